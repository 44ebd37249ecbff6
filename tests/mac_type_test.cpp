#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "framework/folder_item.h"
#include "tests/support/extended_attributes.h"

namespace framework {
namespace {

// A folder on a file system that keeps the type.
class MacTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FolderKeepingExtendedAttributes();
    if (!folder_) GTEST_SKIP() << "no file system here keeps extended attributes";
  }

  std::unique_ptr<ScopedTempDir> folder_;
};

TEST_F(MacTypeTest, TypeReadsBackAsSet) {
  FolderItem file(folder_->WriteFile("yorvane.pref", "10\n40\n"));
  EXPECT_EQ(file.MacType(), "");

  struct Case {
    const char* set;
    const char* read;
  };
  const Case cases[] = {{"pref", "pref"}, {"TEXT", "TEXT"}, {"ab", "ab  "}, {"toolong", "tool"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    file.SetMacType(c.set);
    EXPECT_EQ(file.LastErrorCode(), 0);
    EXPECT_EQ(file.MacType(), c.read);
    EXPECT_EQ(FolderItem(file.AbsolutePath()).MacType(), c.read);
  }
}

TEST_F(MacTypeTest, SettingOnAMissingFileDoesNothing) {
  FolderItem missing((folder_->Path() / "yorvane.pref").string());
  missing.SetMacType("pref");
  EXPECT_FALSE(missing.Exists());
  EXPECT_NE(missing.LastErrorCode(), 0);
  EXPECT_EQ(missing.MacType(), "");
}

}  // namespace
}  // namespace framework
