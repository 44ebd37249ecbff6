#include "app/acrobat_link.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "framework/compiled_script.h"
#include "framework/errors.h"
#include "tests/support/scoped_temp_dir.h"

namespace yorvane {

namespace {

using framework::Variant;

// Scripts 168 and 169 that print their arguments, one per line.
class AcrobatLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_.Path() / "scripts");
    for (const char* name : {"scripts/168", "scripts/169"}) {
      std::string path =
          dir_.WriteFile(name, "#!/bin/sh\necho \"$0 $#\"; for a do printf '%s\\n' \"$a\"; done\n");
      chmod(path.c_str(), 0755);
    }
    framework::SetCompiledScriptFolder((dir_.Path() / "scripts").string());
  }
  void TearDown() override { framework::SetCompiledScriptFolder(""); }

  ScopedTempDir dir_;
};

TEST_F(AcrobatLinkTest, EachFunctionRunsItsScriptWithItsParameters) {
  const std::string scripts = (dir_.Path() / "scripts/").string();
  EXPECT_EQ(activeacrobat({}), scripts + "168 0");
  EXPECT_EQ(as_acrobat({Variant("/a b/\"c\".jsx")}), scripts + "169 1\n/a b/\"c\".jsx");
  EXPECT_EQ(as_acrobat({Variant(int32_t{-7}), Variant(2.5), Variant(true), Variant("x")}),
            scripts + "169 4\n-7\n2.5\nTrue\nx");
}

TEST_F(AcrobatLinkTest, FailingScriptRaises) {
  std::string path = dir_.WriteFile("scripts/168", "#!/bin/sh\necho 'no Acrobat' >&2\nexit 3\n");
  chmod(path.c_str(), 0755);
  EXPECT_THROW(activeacrobat({}), framework::CompiledScriptException);
}

}  // namespace

}  // namespace yorvane
