// The report of an exception that nothing handled, as the user sees it: a
// message box, shown offscreen and answered by the test.
#include "framework/ui/unhandled_exception.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "app/app.h"
#include "framework/compiled_script.h"
#include "framework/errors.h"
#include "framework/folder_item.h"
#include "framework/text_output_stream.h"
#include "framework/ui/application.h"
#include "tests/support/message_boxes.h"
#include "tests/support/scoped_temp_dir.h"

namespace {

class UnhandledExceptionTest : public testing::Test {
 protected:
  void SetUp() override {
    previousName_ = framework::ApplicationDisplayName();
    framework::SetApplicationDisplayName(yorvane::kApplicationName);
    std::filesystem::create_directory(folder_.Path() / "scripts");
    framework::SetCompiledScriptFolder((folder_.Path() / "scripts").string());
  }
  void TearDown() override {
    framework::SetCompiledScriptFolder("");
    framework::SetApplicationDisplayName(previousName_);
  }

  // What compiled script 168 with `body` raises.
  std::exception_ptr ScriptFailure(const std::string& body) {
    std::string path = folder_.WriteFile("scripts/168", "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    try {
      framework::ScriptFunction(168);
    } catch (...) {
      return std::current_exception();
    }
    ADD_FAILURE() << "the script succeeded";
    return nullptr;
  }

  // What creating a file in a folder that does not exist raises.
  std::exception_ptr CreateFailure(const std::string& path) {
    try {
      framework::TextOutputStream::Create(framework::FolderItem(path));
    } catch (...) {
      return std::current_exception();
    }
    ADD_FAILURE() << "the file was created";
    return nullptr;
  }

  ScopedTempDir folder_;
  std::string previousName_;
};

TEST_F(UnhandledExceptionTest, BoxSaysWhatWentWrongFirstWithClassAndStatusAsDetails) {
  const std::string missing = (folder_.Path() / "missing" / "makebookmark.jsx").string();
  struct Case {
    const char* name;
    std::exception_ptr exception;
    std::string text;
    std::vector<std::string> inDetails;
  };
  const Case cases[] = {
      {"script with error output",
       ScriptFailure("echo 'Adobe Acrobatはこのシステムでは使えません。' >&2\nexit 1\n"),
       "Adobe Acrobatはこのシステムでは使えません。",
       {"CompiledScriptException: Compiled script 168", "scripts/168", "status 1"}},
      {"script without error output",
       ScriptFailure("exit 3\n"),
       "コンパイル済みスクリプト168が失敗しました。",
       {"CompiledScriptException: Compiled script 168", "status 3"}},
      {"file",
       CreateFailure(missing),
       "ファイル「" + missing + "」に書き込めません：" + std::strerror(ENOENT),
       {"IOException: ", missing}},
      {"other",
       std::make_exception_ptr(framework::NilObjectException("No status line ST1")),
       "予期しないエラーが起きました。",
       {"NilObjectException: No status line ST1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ShownMessageBox> shown =
        AnswerMessageBoxesDuring([&c] { framework::RuntimeUnhandledException(c.exception); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Yorvane");
    EXPECT_EQ(shown[0].text, c.text);
    for (const std::string& part : c.inDetails) {
      EXPECT_NE(shown[0].details.find(part), std::string::npos) << shown[0].details;
    }
  }
}

}  // namespace
