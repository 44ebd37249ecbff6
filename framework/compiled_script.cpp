#include "framework/compiled_script.h"

#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "framework/encoding.h"
#include "framework/errors.h"
#include "framework/executable_path.h"
#include "framework/subprocess.h"

namespace framework {
namespace {

struct PendingCall {
  int32_t number = 0;
  std::vector<std::string> parameters;
};

std::map<int32_t, PendingCall>& PendingCalls() {
  static std::map<int32_t, PendingCall> calls;
  return calls;
}

std::string& FolderOverride() {
  static std::string folder;
  return folder;
}

std::string ScriptName(int32_t number) { return "Compiled script " + Str(number); }

std::string ScriptPath(int32_t number) {
  std::filesystem::path folder;
  if (!FolderOverride().empty()) {
    folder = FolderOverride();
  } else if (std::optional<std::filesystem::path> executable = ExecutablePath()) {
    folder = executable->parent_path() / "scripts";
  } else {
    throw CompiledScriptException(
        ScriptName(number) + " cannot be run: the program's own folder cannot be found", ENOENT,
        number);
  }
  return (folder / Str(number)).string();
}

// osascript, like most programs, ends what it prints with a line feed that is
// not part of the script's result.
String ResultText(std::string output) {
  if (!output.empty() && output.back() == '\n') output.pop_back();
  return DecodeText(std::move(output));
}

String ErrorText(std::string output) {
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return DecodeText(std::move(output));
}

String Run(int32_t number, const std::vector<std::string>& parameters) {
  std::string path = ScriptPath(number);
  SubprocessResult result;
  if (int error = RunSubprocess(path, parameters, result)) {
    throw CompiledScriptException(
        ScriptName(number) + " (\"" + path + "\") cannot be run: " + std::strerror(error), error,
        number);
  }

  int status = result.waitStatus;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    return ResultText(std::move(result.standardOutput));
  }
  std::string message = ScriptName(number) + " (\"" + path + "\") ";
  int32_t code = 0;
  if (WIFSIGNALED(status)) {
    code = 128 + WTERMSIG(status);
    message += "was ended by signal " + Str(static_cast<int32_t>(WTERMSIG(status)));
  } else {
    code = WEXITSTATUS(status);
    message += "failed with status " + Str(code);
  }
  String errorText = ErrorText(std::move(result.standardError));
  if (!errorText.empty()) message += ": " + errorText;
  throw CompiledScriptException(message, code, number, errorText);
}

PendingCall& FindCall(int32_t handle) {
  auto found = PendingCalls().find(handle);
  if (found == PendingCalls().end()) {
    throw NilObjectException("No compiled script call has the handle " + Str(handle));
  }
  return found->second;
}

}  // namespace

String ScriptFunction(int32_t number) { return Run(number, {}); }

int32_t StartParamScript(int32_t number) {
  static int32_t lastHandle = 0;
  do {
    lastHandle = lastHandle == INT32_MAX ? 1 : lastHandle + 1;
  } while (PendingCalls().count(lastHandle) != 0);
  PendingCalls()[lastHandle].number = number;
  return lastHandle;
}

void AddIntegerScriptParam(int32_t handle, int32_t value) {
  FindCall(handle).parameters.push_back(Str(value));
}

void AddStringScriptParam(int32_t handle, const String& value) {
  FindCall(handle).parameters.push_back(value);
}

String CompleteParamScriptFunction(int32_t handle) {
  PendingCall call = std::move(FindCall(handle));
  PendingCalls().erase(handle);
  return Run(call.number, call.parameters);
}

void SetCompiledScriptFolder(std::string folder) { FolderOverride() = std::move(folder); }

}  // namespace framework
