#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <filesystem>
#include <memory>
#include <string>

#include "framework/folder_item.h"
#include "tests/support/scoped_temp_dir.h"

namespace framework {
namespace {

bool HoldsExtendedAttributes(const std::filesystem::path& folder) {
#if defined(__APPLE__)
  return setxattr(folder.c_str(), "com.apple.probe", "x", 1, 0, 0) == 0;
#else
  return setxattr(folder.c_str(), "user.probe", "x", 1, 0) == 0;
#endif
}

// A folder on a file system that keeps the type: the temporary folder, or
// the working folder (the build folder) where the former refuses, e.g. a
// tmpfs without user attributes.
class MacTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::filesystem::path& parent :
         {std::filesystem::temp_directory_path(), std::filesystem::current_path()}) {
      auto folder = std::make_unique<ScopedTempDir>(parent);
      if (!folder->Path().empty() && HoldsExtendedAttributes(folder->Path())) {
        folder_ = std::move(folder);
        return;
      }
    }
    GTEST_SKIP() << "no file system here keeps extended attributes";
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
