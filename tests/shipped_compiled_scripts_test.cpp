#include <gtest/gtest.h>

#include <string>

#include "framework/compiled_script.h"
#include "framework/errors.h"

namespace framework {
namespace {

// The build copies the shipped scripts beside this test, as it does beside
// the program, so the default folder is the one under test.
TEST(ShippedCompiledScriptsTest, StandInsReportThatAcrobatIsMissing) {
#if defined(__APPLE__)
  GTEST_SKIP() << "the Mac ships the AppleScript texts, which need Acrobat";
#endif
  SetCompiledScriptFolder("");
  const std::string message = "Adobe Acrobatはこのシステムでは使えません。";

  try {
    ScriptFunction(168);
    ADD_FAILURE() << "168 succeeded";
  } catch (const CompiledScriptException& error) {
    EXPECT_NE(error.Message().find(message), std::string::npos) << error.Message();
    EXPECT_EQ(error.ErrorNumber(), 1);
  }

  int32_t handle = StartParamScript(169);
  AddStringScriptParam(handle, "/tmp/makebookmark.jsx");
  try {
    CompleteParamScriptFunction(handle);
    ADD_FAILURE() << "169 succeeded";
  } catch (const CompiledScriptException& error) {
    EXPECT_NE(error.Message().find(message), std::string::npos) << error.Message();
    EXPECT_EQ(error.ErrorNumber(), 1);
  }
}

}  // namespace
}  // namespace framework
