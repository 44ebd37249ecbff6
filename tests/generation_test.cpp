#include "script_generation/generation.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/errors.h"
#include "framework/process_signals.h"
#include "tests/support/fake_generation_window.h"
#include "tests/support/scoped_temp_dir.h"
#include "tests/support/utf16.h"

namespace yorvane {

namespace {

using Messages = std::vector<std::string>;

constexpr const char* kScript = "makebookmark.jsx";
const std::string kHeader =
    "しおりLEVEL1\tしおりLEVEL2\tしおりLEVEL3\tしおりLEVEL4\tページ\t開く\tスタイル";

// The text of `lines`, each followed by `end`.
std::string EachEndedBy(char end, std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += end;
  }
  return text;
}

// A script's text: every statement ends with a carriage return.
std::string Script(std::initializer_list<std::string_view> lines) {
  return EachEndedBy('\r', lines);
}

// A list file's text, its lines ended by line feeds.
std::string List(std::initializer_list<std::string_view> lines) { return EachEndedBy('\n', lines); }

class GenerationTest : public ::testing::Test {
 protected:
  // As the program's start-up does before it writes any file.
  static void SetUpTestSuite() { framework::IgnoreFileSizeSignal(); }

  GenerationTest() { dir_.EnterAsWorkingDirectory(); }

  // Writes `listBytes` as the chosen list.
  void ChooseList(std::string_view listBytes, std::string pageplus = "0") {
    window_.list = framework::FolderItem(dir_.WriteFile("list.txt", listBytes));
    window_.pageplus = std::move(pageplus);
  }
  // Writes `listBytes` as the chosen list and runs one generation.
  void Generate(std::string_view listBytes, std::string pageplus = "0") {
    ChooseList(listBytes, std::move(pageplus));
    fmakejsx(window_);
  }
  std::string Written() const { return dir_.ReadFile(kScript); }
  bool ScriptExists() const { return std::filesystem::exists(dir_.Path() / kScript); }

  ScopedTempDir dir_;
  FakeGenerationWindow window_;
};

struct ScriptCase {
  const char* name;
  std::string list;
  std::string pageplus;
  std::string script;  // ASCII; the file must hold exactly its UTF-16LE form
};

void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.name; }

class ScriptCaseTest : public GenerationTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(ScriptCaseTest, WritesExactScript) {
  Generate(GetParam().list, GetParam().pageplus);
  EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中", "JSX作成完了"}));
  EXPECT_EQ(Written(), AsciiAsUtf16(GetParam().script));
}

const ScriptCase kScriptCases[] = {
    {"FourLevelsWithOpenAndStyle",
     List({kHeader, "Chapter 1\t\t\t\t1\t1\t2", "\tSection 1.1\t\t\t2", "\tSection 1.2\t\t\t3\t0",
           "\t\tItem 1.2.1\t\t3", "\t\t\tNote A\t4\t1\t1", "Chapter 2\t\t\t\t5"}),
     "0",
     Script(
         {"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"Chapter 1\",\"this.pageNum=0\",0);",
          "bookmarkRoot.children[0].createChild(\"Section 1.1\",\"this.pageNum=1\",1);",
          "bookmarkRoot.children[0].createChild(\"Section 1.2\",\"this.pageNum=2\",2);",
          "bookmarkRoot.children[0].children[1].createChild(\"Item 1.2.1\",\"this.pageNum=2\",3);",
          "bookmarkRoot.children[0].children[1].children[0].createChild(\"Note "
          "A\",\"this.pageNum=3\",4);",
          "bookmarkRoot.createChild(\"Chapter 2\",\"this.pageNum=4\",5);",
          "bookmarkRoot.children[0].open = true", "bookmarkRoot.children[0].style = 2",
          "bookmarkRoot.children[0].children[1].open = false",
          "bookmarkRoot.children[0].children[1].children[0].children[0].open = true",
          "bookmarkRoot.children[0].children[1].children[0].children[0].style = 1"})},
    {"PageOffsetAndBlankRowTakingAnIndex",
     List({"Chapter 1\t\t\t\t1\t1\t2", "\tSection 1.1\t\t\t2", "\tSection 1.2\t\t\t3\t0",
           "\t\tItem 1.2.1\t\t3", "", "Chapter 2\t\t\t\t5", "\tSection 2.1\t\t\t6\tfalse"}),
     "2",
     Script(
         {"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"Chapter 1\",\"this.pageNum=2\",0);",
          "bookmarkRoot.children[0].createChild(\"Section 1.1\",\"this.pageNum=3\",1);",
          "bookmarkRoot.children[0].createChild(\"Section 1.2\",\"this.pageNum=4\",2);",
          "bookmarkRoot.children[0].children[1].createChild(\"Item 1.2.1\",\"this.pageNum=4\",3);",
          "bookmarkRoot.createChild(\"Chapter 2\",\"this.pageNum=6\",5);",
          "bookmarkRoot.children[1].createChild(\"Section 2.1\",\"this.pageNum=7\",6);",
          "bookmarkRoot.children[0].open = true", "bookmarkRoot.children[0].style = 2",
          "bookmarkRoot.children[0].children[1].open = false",
          "bookmarkRoot.children[1].children[0].open = true"})},
    {"MissingParentsAreMinusOne",
     List({"\tOrphan\t\t\t1\t1", "Top\t\t\t\t2", "\t\tDeep\t\t3\t\t1", "", "\tSide\t\t\t5"}), "0",
     Script({"bookmarkRoot.remove();",
             "bookmarkRoot.children[-1].createChild(\"Orphan\",\"this.pageNum=0\",0);",
             "bookmarkRoot.createChild(\"Top\",\"this.pageNum=1\",1);",
             "bookmarkRoot.children[0].children[-1].createChild(\"Deep\",\"this.pageNum=2\",2);",
             "bookmarkRoot.children[0].createChild(\"Side\",\"this.pageNum=4\",4);",
             "bookmarkRoot.children[-1].children[0].open = true",
             "bookmarkRoot.children[0].children[-1].children[0].style = 1"})},
    {"SkippedLevelKeepsDeeperCounters",
     List({"A\t\t\t\t1", "\tB\t\t\t1", "\t\tC\t\t1", "D\t\t\t\t1", "\t\tE\t\t1\t1"}), "0",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=0\",0);",
             "bookmarkRoot.children[0].createChild(\"B\",\"this.pageNum=0\",1);",
             "bookmarkRoot.children[0].children[0].createChild(\"C\",\"this.pageNum=0\",2);",
             "bookmarkRoot.createChild(\"D\",\"this.pageNum=0\",3);",
             "bookmarkRoot.children[1].children[-1].createChild(\"E\",\"this.pageNum=0\",4);",
             "bookmarkRoot.children[1].children[-1].children[1].open = true"})},
    {"EmptyFile", "", "0", Script({"bookmarkRoot.remove();"})},
    {"HeaderOnlyWithoutLineEnd", kHeader, "0", Script({"bookmarkRoot.remove();"})},
    {"RowsWithoutTitleIgnoreOpenAndStyle", List({"\t\t\t\t3\t1\t2", "", "\t\t\t\t\t\t"}), "0",
     Script({"bookmarkRoot.remove();"})},
    {"HeadersAnywhereAreSkippedAndTakeNoIndex",
     List({"A\t\t\t\t1", kHeader, "Title with しおりLEVEL1 in it", "B\t\t\t\t2", "", "C\t\t\t\t3"}),
     "0",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=0\",0);",
             "bookmarkRoot.createChild(\"B\",\"this.pageNum=1\",1);",
             "bookmarkRoot.createChild(\"C\",\"this.pageNum=2\",3);"})},
    {"FieldsAsTheyStand",
     List({"Word", "  \t\t\t\t1", "A\tB\tC\tD\t1", "T\t\t\t\t1\t1\t2\t3\t4", "U\t\t\t\t1\t\t\t5"}),
     "0",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"Word\",\"this.pageNum=-1\",0);",
             "bookmarkRoot.createChild(\"  \",\"this.pageNum=0\",1);",
             "bookmarkRoot.createChild(\"A\",\"this.pageNum=0\",2);",
             "bookmarkRoot.createChild(\"T\",\"this.pageNum=0\",3);",
             "bookmarkRoot.createChild(\"U\",\"this.pageNum=0\",4);",
             "bookmarkRoot.children[3].open = true", "bookmarkRoot.children[3].style = 2"})},
    {"PageValuesAsJavaScriptNumbers",
     List({"A\t\t\t\t2.5", "B\t\t\t\t0", "C\t\t\t\t", "D\t\t\t\tx", "E\t\t\t\t1e3", "F\t\t\t\t 7",
           "G\t\t\t\t１２"}),
     "0",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=1.5\",0);",
             "bookmarkRoot.createChild(\"B\",\"this.pageNum=-1\",1);",
             "bookmarkRoot.createChild(\"C\",\"this.pageNum=-1\",2);",
             "bookmarkRoot.createChild(\"D\",\"this.pageNum=-1\",3);",
             "bookmarkRoot.createChild(\"E\",\"this.pageNum=999\",4);",
             "bookmarkRoot.createChild(\"F\",\"this.pageNum=6\",5);",
             "bookmarkRoot.createChild(\"G\",\"this.pageNum=11\",6);"})},
    {"NegativeOffset", List({"A\t\t\t\t5"}), "-3",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=1\",0);"})},
    {"FractionalOffsetTowardZero", List({"A\t\t\t\t5"}), "2.9",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=6\",0);"})},
    {"FullWidthOffset", List({"A\t\t\t\t5"}), "　＋２",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=6\",0);"})},
    {"OffsetThatIsNoNumber", List({"A\t\t\t\t5"}), "abc",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=4\",0);"})},
    {"OpenFlags",
     List({"A\t\t\t\t1\t1", "B\t\t\t\t1\t0", "C\t\t\t\t1\tfalse", "D\t\t\t\t1\t 0", "E\t\t\t\t1"}),
     "0",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=0\",0);",
             "bookmarkRoot.createChild(\"B\",\"this.pageNum=0\",1);",
             "bookmarkRoot.createChild(\"C\",\"this.pageNum=0\",2);",
             "bookmarkRoot.createChild(\"D\",\"this.pageNum=0\",3);",
             "bookmarkRoot.createChild(\"E\",\"this.pageNum=0\",4);",
             "bookmarkRoot.children[0].open = true", "bookmarkRoot.children[1].open = false",
             "bookmarkRoot.children[2].open = true", "bookmarkRoot.children[3].open = true"})},
    // A style is written as the number it reads as: text there would be code.
    {"StylesAreNumbers",
     List({"A\t\t\t\t1\t\t2", "B\t\t\t\t1\t\t 2", "C\t\t\t\t1\t\t2 ", "D\t\t\t\t1\t\t２",
           "E\t\t\t\t1\t\tbold", "F\t\t\t\t1\t\t0", "G\t\t\t\t1\t\t1;app.alert(1)"}),
     "0",
     Script({"bookmarkRoot.remove();", "bookmarkRoot.createChild(\"A\",\"this.pageNum=0\",0);",
             "bookmarkRoot.createChild(\"B\",\"this.pageNum=0\",1);",
             "bookmarkRoot.createChild(\"C\",\"this.pageNum=0\",2);",
             "bookmarkRoot.createChild(\"D\",\"this.pageNum=0\",3);",
             "bookmarkRoot.createChild(\"E\",\"this.pageNum=0\",4);",
             "bookmarkRoot.createChild(\"F\",\"this.pageNum=0\",5);",
             "bookmarkRoot.createChild(\"G\",\"this.pageNum=0\",6);",
             "bookmarkRoot.children[0].style = 2", "bookmarkRoot.children[1].style = 2",
             "bookmarkRoot.children[2].style = 2", "bookmarkRoot.children[3].style = 2",
             "bookmarkRoot.children[4].style = 0", "bookmarkRoot.children[5].style = 0",
             "bookmarkRoot.children[6].style = 1"})},
    // A title is a string literal whatever it holds; otherwise one quote
    // breaks the whole script, or runs code of the list's choosing.
    {"TitlesAreStringLiterals",
     List({"He said \"yes\"\t\t\t\t1", "C:\\dir\\\t\t\t\t1", "a, b\t\t\t\t1",
           "\");app.alert(1);(\"\t\t\t\t1", "bell\x07\x1f\t\t\t\t1"}),
     "0",
     Script({"bookmarkRoot.remove();",
             "bookmarkRoot.createChild(\"He said \\\"yes\\\"\",\"this.pageNum=0\",0);",
             "bookmarkRoot.createChild(\"C:\\\\dir\\\\\",\"this.pageNum=0\",1);",
             "bookmarkRoot.createChild(\"a, b\",\"this.pageNum=0\",2);",
             "bookmarkRoot.createChild(\"\\\");app.alert(1);(\\\"\",\"this.pageNum=0\",3);",
             "bookmarkRoot.createChild(\"bell\\u0007\\u001F\",\"this.pageNum=0\",4);"})},
};

INSTANTIATE_TEST_SUITE_P(Lists, ScriptCaseTest, ::testing::ValuesIn(kScriptCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A list of a Japanese title in each of the ways a user may save it; each gives
// the same script. The UTF-16 bytes of the script are written out by hand.
struct EncodingCase {
  const char* name;
  std::string list;
};

void PrintTo(const EncodingCase& c, std::ostream* out) { *out << c.name; }

class ListEncodingTest : public GenerationTest,
                         public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(ListEncodingTest, ReadsTheSameList) {
  Generate(GetParam().list);
  const std::string expected = AsciiAsUtf16("bookmarkRoot.remove();\rbookmarkRoot.createChild(\"") +
                               std::string("\x2C\x7B\x31\x00\xE0\x7A", 6) +
                               AsciiAsUtf16("\",\"this.pageNum=0\",0);\r").substr(2);
  EXPECT_EQ(Written(), expected);
}

const EncodingCase kEncodingCases[] = {
    {"Utf8", "しおりLEVEL1\n第1章\t\t\t\t1\n"},
    {"Utf8WithMark", "\xEF\xBB\xBFしおりLEVEL1\n第1章\t\t\t\t1\n"},
    {"Utf8CarriageReturns", "しおりLEVEL1\r第1章\t\t\t\t1\r"},
    {"Utf8Crlf", "しおりLEVEL1\r\n第1章\t\t\t\t1\r\n"},
    {"Utf16LittleEndianWithMark",
     std::string("\xFF\xFE"
                 "\x57\x30\x4A\x30\x8A\x30L\0E\0V\0E\0L\0001\0\r\0\n\0"
                 "\x2C\x7B\x31\x00\xE0\x7A\t\0\t\0\t\0\t\0001\0\r\0\n\0",
                 2 + 22 + 20)},
    {"Utf16BigEndianWithMark", std::string("\xFE\xFF"
                                           "\x30\x57\x30\x4A\x30\x8A\0L\0E\0V\0E\0L\0001\0\r"
                                           "\x7B\x2C\x00\x31\x7A\xE0\0\t\0\t\0\t\0\t\0001\0\r",
                                           2 + 20 + 18)},
    {"ShiftJis", "\x82\xB5\x82\xA8\x82\xE8LEVEL1\r\n\x91\xE6\x31\x8F\xCD\t\t\t\t1\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Encodings, ListEncodingTest, ::testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GenerationTest, InvalidUtf8ThatIsNoShiftJisReadsAsReplacementCharacters) {
  Generate("A\xFF\xFF\t\t\t\t1\n");
  EXPECT_EQ(Written(), AsciiAsUtf16("bookmarkRoot.remove();\rbookmarkRoot.createChild(\"A") +
                           std::string("\xFD\xFF\xFD\xFF", 4) +
                           AsciiAsUtf16("\",\"this.pageNum=0\",0);\r").substr(2));
}

// A UTF-8 list cut inside its last character, whose bytes happen to be valid
// Shift_JIS as a whole, still gives the rows of the UTF-8 list.
TEST_F(GenerationTest, Utf8ListCutInsideItsLastCharacterStaysUtf8) {
  const std::string uncut = "しおりLEVEL1\nファイル\t\t\t\t1\t1\n目次\t\t\t\t2\n目次";
  Generate("しおりLEVEL1\nファイル\t\t\t\t1\t1\n目次\t\t\t\t2\n目\uFFFD\uFFFD");
  const std::string expected = Written();
  ASSERT_NE(expected.find(AsciiAsUtf16("\",\"this.pageNum=-1\",2);\r").substr(2)),
            std::string::npos)
      << "the cut title is the third row";
  window_.messages.clear();
  Generate(uncut.substr(0, uncut.size() - 1));
  EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中", "JSX作成完了"}));
  EXPECT_EQ(Written(), expected);
}

TEST_F(GenerationTest, NoListChosenWritesNothing) {
  fmakejsx(window_);
  EXPECT_EQ(window_.messages, (Messages{"ファイルを選択して下さい"}));
  EXPECT_FALSE(ScriptExists());
  EXPECT_EQ(window_.pageplusReads, 0);
}

TEST_F(GenerationTest, DeletedListWritesNothing) {
  window_.list = framework::FolderItem(dir_.WriteFile("list.txt", "A\n"));
  std::filesystem::remove(window_.list->AbsolutePath());
  fmakejsx(window_);
  EXPECT_EQ(window_.messages, (Messages{"ファイルがありません"}));
  EXPECT_FALSE(ScriptExists());
}

// A list that exists but cannot be read must not give a script that only
// removes every bookmark, nor a success message.
TEST_F(GenerationTest, UnreadableListKeepsTheOldScript) {
  Generate(List({"Old\t\t\t\t1"}));
  const std::string old = Written();
  std::filesystem::create_directory(dir_.Path() / "folder");
  window_.list = framework::FolderItem((dir_.Path() / "folder").string());
  window_.messages.clear();
  fmakejsx(window_);
  EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中", "ファイルを開けません"}));
  EXPECT_EQ(Written(), old);
}

// A FIFO without a writer would block the run, a device never ends: neither
// is read, and the run ends as for any list that cannot be opened.
TEST_F(GenerationTest, ListThatIsNoRegularFileIsNotRead) {
  const std::string fifo = (dir_.Path() / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/null")}) {
    window_.list = framework::FolderItem(path);
    window_.messages.clear();
    std::filesystem::remove(dir_.Path() / kScript);
    auto run = std::async(std::launch::async, [this] { fmakejsx(window_); });
    if (run.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
      ADD_FAILURE() << path << " holds the run";
      // A writer that comes and goes lets a blocked open return, so the run ends.
      close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    }
    run.get();
    EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中", "ファイルを開けません"})) << path;
    EXPECT_FALSE(ScriptExists()) << path;
  }
}

TEST_F(GenerationTest, PageOffsetIsReadOnceAfterTheGuards) {
  Generate(List({"A\t\t\t\t1", "B\t\t\t\t2", "C\t\t\t\t3"}), "1");
  EXPECT_EQ(window_.pageplusReads, 1);
}

TEST_F(GenerationTest, EachRunReadsTheListAnewAndReplacesTheScript) {
  Generate(List({"First\t\t\t\t1\t1\t2", "Second\t\t\t\t2"}));
  Generate(List({"X\t\t\t\t3"}));
  EXPECT_EQ(Written(),
            AsciiAsUtf16(Script({"bookmarkRoot.remove();",
                                 "bookmarkRoot.createChild(\"X\",\"this.pageNum=2\",0);"})));
}

TEST_F(GenerationTest, ScriptThatCannotBeReplacedRaisesAndIsNotReportedDone) {
  std::filesystem::create_directory(dir_.Path() / kScript);
  try {
    Generate(List({"A\t\t\t\t1"}));
    FAIL() << "no IOException";
  } catch (const framework::IOException& error) {
    EXPECT_EQ(error.ErrorNumber(), EISDIR);
    // What failed is the replacing, not the writing.
    for (std::string part :
         {std::string("replace"), std::string(kScript), std::string(std::strerror(EISDIR))}) {
      EXPECT_NE(error.Message().find(part), std::string::npos) << error.Message();
    }
  }
  EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中"}));
  EXPECT_EQ(dir_.FileNames(), (std::vector<std::string>{"list.txt", kScript}))
      << "the temporary file is left behind";
}

// Lowers the process's file-size limit to `bytes` while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_;
};

// The write stops part way at the limit (EFBIG), as on a full disk.
TEST_F(GenerationTest, WriteBeyondTheFileSizeLimitRaisesAndKeepsTheOldScript) {
  Generate(List({"Old\t\t\t\t1"}));
  const std::string old = Written();
  std::string longList;
  for (int row = 0; row < 1000; ++row) longList += "Title\t\t\t\t1\n";
  ChooseList(longList);
  window_.messages.clear();
  try {
    FileSizeLimit limit(4096);
    fmakejsx(window_);
    FAIL() << "no IOException";
  } catch (const framework::IOException& error) {
    EXPECT_EQ(error.ErrorNumber(), EFBIG);
    for (std::string part : {std::string(kScript), std::string(std::strerror(EFBIG))}) {
      EXPECT_NE(error.Message().find(part), std::string::npos) << error.Message();
    }
  }
  EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中"}));
  EXPECT_EQ(Written(), old);
  EXPECT_EQ(dir_.FileNames(), (std::vector<std::string>{"list.txt", kScript}));
}

TEST_F(GenerationTest, RemovedWorkingFolderRaises) {
  window_.list = framework::FolderItem(dir_.WriteFile("list.txt", "A\n"));
  std::filesystem::path gone = dir_.Path() / "gone";
  std::filesystem::create_directory(gone);
  std::filesystem::current_path(gone);
  std::filesystem::remove(gone);
  EXPECT_THROW(fmakejsx(window_), framework::IOException);
  EXPECT_EQ(window_.messages, (Messages{"ファイル読み込み中"}));
}

}  // namespace

}  // namespace yorvane
