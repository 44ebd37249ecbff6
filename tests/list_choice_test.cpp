// Choosing the bookmark list: drops on the drop area, synthesised as the
// platform delivers them, and the "参照" dialog, answered through the
// framework's seam or, for what it offers, shown as it is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QList>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/window1.h"
#include "framework/ui/open_dialog.h"
#include "tests/support/scoped_temp_dir.h"
#include "tests/support/started_program.h"

namespace yorvane {

namespace {

constexpr const char* kDropCaption = "Tab区切りテキストUTF-8をドロップ。";
constexpr const char* kFolderMessage = "テキストファイルをドロップして下さい。";

class ListChoiceTest : public StartedProgram {
 protected:
  void SetUp() override {
    StartedProgram::SetUp();
    std::filesystem::create_directory(files_.Path() / "folder");
  }
  void TearDown() override {
    framework::OpenDialog::SetAnswerer(nullptr);
    StartedProgram::TearDown();
  }

  std::string File(const std::string& name, const std::string& bytes = "A\t\t\t\t1\n") {
    return files_.WriteFile(name, bytes);
  }
  std::string Folder() const { return (files_.Path() / "folder").string(); }

  // Drags `urls` over the drop area: whether the drop area took the drag.
  bool DragEnter(QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_->drop()->Widget(), &enter);
    return enter.isAccepted();
  }
  // Drags, and drops where the drag was taken: as the platform delivers it.
  bool Drop(const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data.setUrls(urls);
    if (!DragEnter(data)) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_->drop()->Widget(), &drop);
    return true;
  }
  std::string Chosen() const {
    return window_->gTabFile() ? window_->gTabFile()->AbsolutePath() : "";
  }
  std::string Shown() const { return window_->drop()->Text(); }

  ScopedTempDir files_;
};

TEST_F(ListChoiceTest, DroppedTextFileBecomesTheListAndShowsItsPath) {
  const std::string list = File("my list.txt");
  ASSERT_TRUE(Drop({list}));
  EXPECT_EQ(Chosen(), list);
  EXPECT_EQ(Shown(), list);
}

TEST_F(ListChoiceTest, OnlyTheFirstItemOfADropCounts) {
  const std::string first = File("first.txt");
  ASSERT_TRUE(Drop({first, File("second.txt")}));
  EXPECT_EQ(Chosen(), first);
  ASSERT_TRUE(Drop({Folder(), File("third.txt")}));
  EXPECT_EQ(Chosen(), first) << "a folder first takes no file of the drop";
  EXPECT_EQ(Shown(), kFolderMessage);
}

TEST_F(ListChoiceTest, DroppedFolderShowsTheMessageAndKeepsTheEarlierChoice) {
  ASSERT_TRUE(Drop({Folder()}));
  EXPECT_EQ(Shown(), kFolderMessage);
  EXPECT_FALSE(window_->gTabFile());
  const std::string list = File("list.txt");
  ASSERT_TRUE(Drop({list}));
  ASSERT_TRUE(Drop({Folder()}));
  EXPECT_EQ(Chosen(), list);
}

TEST_F(ListChoiceTest, DropAreaTakesOnlyTextFilesAndFolders) {
  struct Case {
    const char* name;
    const char* bytes;
    bool taken;
  } cases[] = {
      {"list.TXT", "A\n", true},
      {"list.Text", "A\n", true},
      {"list.tsv", "A\tB\n", true},
      {"list.csv", "A,B\n", true},
      {"picture.png", "\x89PNG\r\n\x1a\n", false},
      {"archive.zip", "PK\x03\x04", false},
  };
  for (const Case& c : cases) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(File(c.name, c.bytes)))});
    EXPECT_EQ(DragEnter(data), c.taken) << c.name;
  }
  QMimeData text;
  text.setText("plain text, no file");
  EXPECT_FALSE(DragEnter(text));
  QMimeData remote;
  remote.setUrls({QUrl("https://example.invalid/list.txt")});
  EXPECT_FALSE(DragEnter(remote));
  EXPECT_EQ(Shown(), kDropCaption);
}

TEST_F(ListChoiceTest, DialogChoiceReplacesTheDroppedList) {
  ASSERT_TRUE(Drop({File("dropped.txt")}));
  const std::string chosen = File("chosen.txt");
  std::vector<std::string> asked;
  framework::OpenDialog::SetAnswerer([&](const framework::OpenDialog& dialog) {
    asked.push_back(dialog.Title() + " | " + dialog.Filter());
    return std::optional<framework::FolderItem>(framework::FolderItem(chosen));
  });
  QTest::mouseClick(window_->fileselect()->Widget(), Qt::LeftButton);
  EXPECT_EQ(asked, std::vector<std::string>{"Tab区切りテキストUTF-8を選択 | text/plain"});
  EXPECT_EQ(Chosen(), chosen);
  EXPECT_EQ(Shown(), chosen);
  ASSERT_TRUE(Drop({File("dropped again.txt")}));
  EXPECT_EQ(Chosen(), File("dropped again.txt"));
}

// Linux names files in any bytes; a file manager hands such a name on in its
// URL, percent-encoded byte by byte.
TEST_F(ListChoiceTest, ListNamedInShiftJisBytesIsDroppedAndRead) {
  const std::string list = File("\x83\x8a\x83\x58\x83\x67.txt");  // "リスト.txt" in Shift_JIS
  QMimeData data;
  data.setData("text/uri-list",
               "file://" + QByteArray::fromStdString(list).toPercentEncoding("/") + "\r\n");
  ASSERT_TRUE(DragEnter(data));
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_->drop()->Widget(), &drop);
  EXPECT_EQ(Chosen(), list);
  // Shown as the toolkit decodes the name; only the chosen file must be exact.
  EXPECT_EQ(Shown(), QFile::decodeName(QByteArray::fromStdString(list)).toStdString());

  files_.EnterAsWorkingDirectory();
  QTest::mouseClick(window_->makejsx()->Widget(), Qt::LeftButton);
  EXPECT_EQ(window_->ST1()->Text(), "JSX作成完了");
  EXPECT_FALSE(files_.ReadFile("makebookmark.jsx").empty());
}

// The real dialog, answered as a user would: the file comes back by its path,
// spaces and URL marks in its name included.
TEST_F(ListChoiceTest, DialogGivesTheChosenFileByItsPath) {
  const std::string list = File("リスト 100% #1.txt");
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &answer, [&answer, &list] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (!dialog || !dialog->isVisible()) continue;
      answer.stop();
      // Typed into the name field, as a user may.
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText(QFile::decodeName(QByteArray::fromStdString(list)));
      QMetaObject::invokeMethod(dialog, "accept");
    }
  });
  answer.start(10);
  QTimer bound;  // a dialog left open would hold the test for good
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, &bound, [] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QFileDialog*>(widget)) dialog->reject();
    }
  });
  bound.start(kPatience);
  QTest::mouseClick(window_->fileselect()->Widget(), Qt::LeftButton);
  EXPECT_FALSE(answer.isActive()) << "no dialog was shown";
  EXPECT_EQ(Chosen(), list);
  EXPECT_EQ(Shown(), list);
}

// The files of `folder` a file dialog's model offers: those it lists and
// lets the user choose.
std::vector<std::string> OfferedFiles(const QFileSystemModel& model, const QString& folder) {
  std::vector<std::string> offered;
  const QModelIndex parent = model.index(folder);
  for (int row = 0; row < model.rowCount(parent); ++row) {
    const QModelIndex file = model.index(row, 0, parent);
    if (!model.isDir(file) && model.flags(file).testFlag(Qt::ItemIsEnabled)) {
      offered.push_back(model.fileName(file).toStdString());
    }
  }
  std::sort(offered.begin(), offered.end());
  return offered;
}

// The dialog "参照" shows, over a folder with lists named in either case and
// a picture: the files it offers, as its own model has them.
TEST_F(ListChoiceTest, DialogOffersTextFilesInAnyCaseAndNoOthers) {
  const std::filesystem::path folder = files_.Path() / "lists";
  std::filesystem::create_directory(folder);
  for (const char* name : {"list.txt", "LIST.TXT", "picture.png"}) {
    files_.WriteFile("lists/" + std::string(name), "A\t\t\t\t1\n");
  }
  const QString folderPath = QString::fromStdString(folder.string());
  std::vector<std::string> offered;
  bool loaded = false;
  const QFileDialog* seen = nullptr;
  QFileSystemModel* model = nullptr;
  QDeadlineTimer patience(kPatience);
  // Runs inside the dialog's own event loop, until the dialog has read the
  // folder; then it closes the dialog.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog != seen) {
      seen = dialog;
      model = dialog->findChild<QFileSystemModel*>();
      if (model) {
        QObject::connect(
            model, &QFileSystemModel::directoryLoaded, dialog,
            [&](const QString& path) { loaded = loaded || QDir(path) == QDir(folderPath); });
        dialog->setDirectory(folderPath);
      }
    }
    if (dialog && loaded) offered = OfferedFiles(*model, folderPath);
    if (loaded || (seen && !model) || patience.hasExpired()) {
      if (dialog) dialog->reject();
      poll.stop();
    }
  });
  poll.start(10);
  QTest::mouseClick(window_->fileselect()->Widget(), Qt::LeftButton);
  poll.stop();
  ASSERT_TRUE(loaded) << (seen ? "the dialog did not read the folder" : "no dialog was shown");
  EXPECT_EQ(offered, (std::vector<std::string>{"LIST.TXT", "list.txt"}));
  EXPECT_FALSE(window_->gTabFile()) << "a closed dialog chooses nothing";
}

TEST_F(ListChoiceTest, CancelledDialogChangesNothing) {
  const std::string list = File("list.txt");
  ASSERT_TRUE(Drop({list}));
  framework::OpenDialog::SetAnswerer(
      [](const framework::OpenDialog&) { return std::optional<framework::FolderItem>(); });
  QTest::mouseClick(window_->fileselect()->Widget(), Qt::LeftButton);
  EXPECT_EQ(Chosen(), list);
  EXPECT_EQ(Shown(), list);
  EXPECT_TRUE(reports_.empty());
}

}  // namespace

}  // namespace yorvane
