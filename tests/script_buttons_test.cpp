// The two script buttons: "JSX作成" writes the script from the chosen list,
// "Acrobatにしおりをつける" hands it to compiled scripts 168 and 169, here
// test scripts that record how they were run.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <string>
#include <vector>

#include "app/window1.h"
#include "framework/compiled_script.h"
#include "framework/ui/label.h"
#include "framework/ui/open_dialog.h"
#include "tests/support/scoped_temp_dir.h"
#include "tests/support/started_program.h"
#include "tests/support/utf16.h"

namespace yorvane {

namespace {

class ScriptButtonsTest : public StartedProgram {
 protected:
  void SetUp() override {
    StartedProgram::SetUp();
    WaitUntilExposed();  // a window that is not shown paints nothing
    work_.EnterAsWorkingDirectory();
    std::filesystem::create_directory(work_.Path() / "scripts");
    AddScript(168, "echo 168 \"$#\" >> \"$RECORD\"\n");
    AddScript(169, "echo 169 \"$#\" \"$1\" >> \"$RECORD\"\n");
    setenv("RECORD", (work_.Path() / "record").c_str(), 1);
    framework::SetCompiledScriptFolder((work_.Path() / "scripts").string());
    framework::Label::SetPaintObserver([this](framework::Label& label, const std::string& text) {
      if (label.Name() == "ST1" && (painted_.empty() || painted_.back() != text)) {
        painted_.push_back(text);
      }
    });
  }
  void TearDown() override {
    framework::SetCompiledScriptFolder("");
    unsetenv("RECORD");
    StartedProgram::TearDown();
  }

  void AddScript(int number, const std::string& body) {
    std::string path = work_.WriteFile("scripts/" + std::to_string(number), "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
  }
  void Press(framework::BevelButton* button) {
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
  }
  std::string ScriptPath() const { return (work_.Path() / "makebookmark.jsx").string(); }

  ScopedTempDir work_;
  std::vector<std::string> painted_;
};

TEST_F(ScriptButtonsTest, JsxThenAcrobatWritesTheScriptAndHandsItsPathOn) {
  const std::string list = work_.WriteFile("list.txt", "しおりLEVEL1\nA\t\t\t\t3\n");
  framework::OpenDialog::SetAnswerer([&](const framework::OpenDialog&) {
    return std::optional<framework::FolderItem>(framework::FolderItem(list));
  });
  Press(window_->fileselect());
  framework::OpenDialog::SetAnswerer(nullptr);
  window_->pageplus()->SetText("10");
  Press(window_->makejsx());
  EXPECT_EQ(
      work_.ReadFile("makebookmark.jsx"),
      AsciiAsUtf16(
          "bookmarkRoot.remove();\rbookmarkRoot.createChild(\"A\",\"this.pageNum=12\",0);\r"));
  Press(window_->setacrobat());
  EXPECT_EQ(work_.ReadFile("record"), "168 0\n169 1 " + ScriptPath() + "\n");
  EXPECT_EQ(painted_, (std::vector<std::string>{"ファイル読み込み中", "JSX作成完了", "しおり実行",
                                                "しおり完了"}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(ScriptButtonsTest, AcrobatBeforeAnyScriptStillRunsBothWithThePath) {
  Press(window_->setacrobat());
  EXPECT_EQ(work_.ReadFile("record"), "168 0\n169 1 " + ScriptPath() + "\n");
  EXPECT_EQ(window_->ST1()->Text(), "しおり完了");
  Press(window_->makejsx());
  EXPECT_EQ(window_->ST1()->Text(), "ファイルを選択して下さい");
}

// "しおり完了" after a script that did not run would claim work that did not happen.
TEST_F(ScriptButtonsTest, FailingScriptKeepsTheRunningStatusAndIsReported) {
  AddScript(168, "echo 'Adobe Acrobatはありません' >&2\nexit 1\n");
  Press(window_->setacrobat());
  EXPECT_EQ(window_->ST1()->Text(), "しおり実行");
  EXPECT_EQ(work_.ReadFile("record"), "") << "169 ran after 168 failed";
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].starts_with("CompiledScriptException")) << reports_[0];
  EXPECT_NE(reports_[0].find("Adobe Acrobatはありません"), std::string::npos) << reports_[0];
}

TEST_F(ScriptButtonsTest, MissingScriptIsReported) {
  std::filesystem::remove(work_.Path() / "scripts/169");
  Press(window_->setacrobat());
  EXPECT_EQ(window_->ST1()->Text(), "しおり実行");
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].starts_with("CompiledScriptException")) << reports_[0];
}

}  // namespace

}  // namespace yorvane
