#include "app/acrobat_link.h"

#include "framework/background_task.h"
#include "framework/compiled_script.h"

namespace yorvane {

using framework::AddIntegerScriptParam;
using framework::AddStringScriptParam;
using framework::CompleteParamScriptFunction;
using framework::RuntimeBackgroundTask;
using framework::ScriptFunction;
using framework::StartParamScript;
using framework::String;
using framework::Variant;
using framework::VariantToInt32;
using framework::VariantToString;
using framework::VarType;

namespace {

constexpr int32_t kActiveAcrobatScript = 168;
constexpr int32_t kAsAcrobatScript = 169;

String RunScript(int32_t number, const std::vector<Variant>& scriptParams) {
  if (scriptParams.empty()) return ScriptFunction(number);
  const int32_t handle = StartParamScript(number);
  for (const Variant& param : scriptParams) {
    if (VarType(param) == 2) {
      AddIntegerScriptParam(handle, VariantToInt32(param));
    } else {
      AddStringScriptParam(handle, VariantToString(param));
    }
    RuntimeBackgroundTask();
  }
  return CompleteParamScriptFunction(handle);
}

}  // namespace

String activeacrobat(const std::vector<Variant>& scriptParams) {
  return RunScript(kActiveAcrobatScript, scriptParams);
}

String as_acrobat(const std::vector<Variant>& scriptParams) {
  return RunScript(kAsAcrobatScript, scriptParams);
}

}  // namespace yorvane
