#include "framework/compiled_script.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/errors.h"
#include "framework/process_signals.h"
#include "tests/support/scoped_temp_dir.h"

namespace framework {
namespace {

// Scripts in a folder of their own, written as each test needs them.
class CompiledScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.Path().empty());
    scripts_ = folder_.Path() / "scripts";
    std::filesystem::create_directory(scripts_);
    SetCompiledScriptFolder(scripts_.string());
  }
  void TearDown() override { SetCompiledScriptFolder(""); }

  void AddScript(int32_t number, const std::string& body, mode_t mode = 0755) {
    std::string path = folder_.WriteFile("scripts/" + std::to_string(number), "#!/bin/sh\n" + body);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
  }

  // A script that writes its argument count and then each argument on a line
  // of its own into the record file, and prints `result`.
  void AddRecorder(int32_t number, const std::string& result = "done") {
    AddScript(number, "{ echo \"$#\"; for a do printf '%s\\n' \"$a\"; done; } > '" +
                          RecordPath().string() + "'\nprintf '%s' '" + result + "'\n");
  }

  std::filesystem::path RecordPath() const { return folder_.Path() / "record"; }
  std::string Record() const { return ScopedTempDir::ReadAll(RecordPath()); }

  // Runs `run` and gives the CompiledScriptException it raises.
  template <class Run>
  CompiledScriptException Failure(Run run) {
    try {
      run();
    } catch (const CompiledScriptException& error) {
      return error;
    }
    ADD_FAILURE() << "no CompiledScriptException";
    return CompiledScriptException("");
  }

  ScopedTempDir folder_;
  std::filesystem::path scripts_;
};

TEST_F(CompiledScriptTest, ScriptFunctionRunsWithoutArguments) {
  AddRecorder(168, "activated");
  EXPECT_EQ(ScriptFunction(168), "activated");
  EXPECT_EQ(Record(), "0\n");
}

TEST_F(CompiledScriptTest, ParametersArriveInTheOrderAdded) {
  AddRecorder(169);
  int32_t handle = StartParamScript(169);
  AddStringScriptParam(handle, "erste");
  AddIntegerScriptParam(handle, -42);
  AddStringScriptParam(handle, "");
  AddIntegerScriptParam(handle, INT32_MAX);
  EXPECT_EQ(CompleteParamScriptFunction(handle), "done");
  EXPECT_EQ(Record(), "4\nerste\n-42\n\n2147483647\n");
}

TEST_F(CompiledScriptTest, ParametersReachTheScriptUntouchedByAnyShell) {
  AddRecorder(169);
  std::filesystem::path marker = folder_.Path() / "ran";
  const std::vector<std::string> parameters = {
      "/Users/a b/My \"Docs\"/it's/makebookmark.jsx",
      "$(touch " + marker.string() + ")",
      "`touch " + marker.string() + "`; touch " + marker.string(),
      "*",
      "-n",
      "しおり 一覧.txt",
  };
  for (const std::string& parameter : parameters) {
    SCOPED_TRACE(parameter);
    int32_t handle = StartParamScript(169);
    AddStringScriptParam(handle, parameter);
    CompleteParamScriptFunction(handle);
    EXPECT_EQ(Record(), "1\n" + parameter + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(CompiledScriptTest, ResultIsStandardOutputLessOneFinalLineFeed) {
  struct Case {
    std::string output;
    std::string result;
  };
  const Case cases[] = {
      {"", ""},
      {"true", "true"},
      {"true\n", "true"},
      {"a\nb\n\n", "a\nb\n"},
      {"しおり完了\n", "しおり完了"},
  };
  AddScript(168, "cat '" + (folder_.Path() / "output").string() + "'\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.output);
    folder_.WriteFile("output", c.output);
    EXPECT_EQ(ScriptFunction(168), c.result);
  }
}

TEST_F(CompiledScriptTest, StandardInputIsEmpty) {
  AddScript(168, "cat\n");
  EXPECT_EQ(ScriptFunction(168), "");
}

TEST_F(CompiledScriptTest, FailuresRaiseWithTheReason) {
  struct Case {
    const char* name;
    std::string body;  // empty: no script at all
    mode_t mode;
    std::vector<std::string> expectedInMessage;
    int32_t errorNumber;
  };
  const Case cases[] = {
      {"missing", "", 0, {"scripts/168", std::strerror(ENOENT)}, ENOENT},
      {"not executable", "exit 0\n", 0644, {"scripts/168", std::strerror(EACCES)}, EACCES},
      {"exit status",
       "echo 'Acrobat: 書類がありません' >&2\necho partial\nexit 1\n",
       0755,
       {"status 1", "Acrobat: 書類がありません"},
       1},
      {"signal", "echo dying >&2\nkill -KILL $$\n", 0755, {"signal 9", "dying"}, 128 + 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(scripts_ / "168");
    if (!c.body.empty()) AddScript(168, c.body, c.mode);

    CompiledScriptException error = Failure([] { ScriptFunction(168); });
    for (const std::string& part : c.expectedInMessage) {
      EXPECT_NE(error.Message().find(part), std::string::npos) << error.Message();
    }
    EXPECT_EQ(error.ErrorNumber(), c.errorNumber);
    EXPECT_STREQ(error.ClassName(), "CompiledScriptException");

    int32_t handle = StartParamScript(168);
    AddStringScriptParam(handle, "x");
    CompiledScriptException paramError = Failure([&] { CompleteParamScriptFunction(handle); });
    EXPECT_EQ(paramError.Message(), error.Message());
  }
}

// The program ignores SIGXFSZ for its own writes; a script is ended by it as
// anywhere else.
TEST_F(CompiledScriptTest, ScriptHasTheDefaultFileSizeSignal) {
  IgnoreFileSizeSignal();
  AddScript(168, "ulimit -f 1\nexec head -c 65536 /dev/zero > '" +
                     (folder_.Path() / "big").string() + "'\n");
  EXPECT_EQ(Failure([] { ScriptFunction(168); }).ErrorNumber(), 128 + SIGXFSZ);
}

TEST_F(CompiledScriptTest, HandleIsGoneAfterCompletionEvenWhenTheScriptFails) {
  AddRecorder(169);
  int32_t done = StartParamScript(169);
  CompleteParamScriptFunction(done);
  int32_t failed = StartParamScript(170);
  EXPECT_THROW(CompleteParamScriptFunction(failed), CompiledScriptException);

  for (int32_t handle : {done, failed}) {
    EXPECT_THROW(AddStringScriptParam(handle, "x"), NilObjectException);
    EXPECT_THROW(AddIntegerScriptParam(handle, 1), NilObjectException);
    EXPECT_THROW(CompleteParamScriptFunction(handle), NilObjectException);
  }
}

TEST_F(CompiledScriptTest, LargeOutputOnBothStreamsDoesNotStall) {
  const std::string megabyte =
      "head -c 1048576 /dev/zero | tr '\\0' e >&2\nhead -c 1048576 /dev/zero | tr '\\0' o\n";
  AddScript(168, megabyte);
  EXPECT_EQ(ScriptFunction(168), std::string(1048576, 'o'));

  AddScript(169, megabyte + "exit 3\n");
  CompiledScriptException error = Failure([] { ScriptFunction(169); });
  EXPECT_NE(error.Message().find(std::string(1048576, 'e')), std::string::npos);
  EXPECT_EQ(error.ErrorNumber(), 3);
}

}  // namespace
}  // namespace framework
