#include "script_generation/bookmark_script.h"

#include <gtest/gtest.h>

namespace yorvane {

namespace {

// Titles reach Acrobat as JavaScript string literals; these characters cannot
// come through a list line (CR, LF) or are rare, so they are checked here.
TEST(JavaScriptStringTest, EscapesWhatWouldEndOrBreakTheLiteral) {
  struct Case {
    const char* value;
    const char* literal;
  } cases[] = {
      {"", "\"\""},
      {"第1章「概要」", "\"第1章「概要」\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"\r\n", "\"\\r\\n\""},
      {"\x01\x1f\x7f", "\"\\u0001\\u001F\\u007F\""},
      {"\xC2\x85", "\"\\u0085\""},
      {"\xC2\xA0", "\"\xC2\xA0\""},
      {"a\xE2\x80\xA8"
       "b\xE2\x80\xA9",
       "\"a\\u2028b\\u2029\""},
      {"\xE2\x80\x94", "\"\xE2\x80\x94\""},
  };
  for (const Case& c : cases) {
    framework::String text;
    AppendJavaScriptString(text, c.value);
    EXPECT_EQ(text, c.literal);
  }
}

}  // namespace

}  // namespace yorvane
