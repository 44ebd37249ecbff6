#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace framework;

TEST(ValTest, ReadsTheNumberAtTheStart) {
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"12", 12},
      {"  \t12", 12},
      {"-3", -3},
      {"+4", 4},
      {"2.5", 2.5},
      {".5", 0.5},
      {"5.", 5},
      {"1e3", 1000},
      {"1E-2", 0.01},
      {"1e", 1},
      {"1e+", 1},
      {"12abc", 12},
      {"1 2", 1},
      {"- 1", 0},
      {"-", 0},
      {".", 0},
      {"0x10", 0},
      {"１２", 12},
      {"－１．５", -1.5},
      {"＋３", 3},
      {"　７", 7},
      {"1e400", std::numeric_limits<double>::max()},
      {"-1e400", -std::numeric_limits<double>::max()},
      {"1e-400", 0},
      {std::string(400, '9'), std::numeric_limits<double>::max()},
      {"0." + std::string(400, '0') + "1", 0},
      {"1e99999999999", std::numeric_limits<double>::max()},
      {"0.001e-99999999999", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(StrTest, DoubleIsAJavaScriptNumberLiteral) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {-1.0, "-1"},
      {1.5, "1.5"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1e20, "100000000000000000000"},
      {1e21, "1e+21"},
      {1e-7, "1e-7"},
      {1.5e-7, "1.5e-7"},
      {0.000001, "0.000001"},
      {123456789.0, "123456789"},
      {-2147483649.0, "-2147483649"},
      {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
  };
  for (const Case& c : cases) EXPECT_EQ(Str(c.value), c.text);
}

TEST(StrTest, Int32IsDecimal) {
  EXPECT_EQ(Str(int32_t{-1}), "-1");
  EXPECT_EQ(Str(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(ConversionTest, DoubleToInt32TowardZeroAndSaturating) {
  struct Case {
    double value;
    int32_t result;
  } cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {1e10, std::numeric_limits<int32_t>::max()},
      {-1e10, std::numeric_limits<int32_t>::min()},
      {std::nan(""), 0},
      {std::numeric_limits<double>::infinity(), std::numeric_limits<int32_t>::max()},
  };
  for (const Case& c : cases) EXPECT_EQ(RuntimeCvtReal64ToSInt32(c.value), c.result) << c.value;
}

TEST(InStrTest, PositionInCharacters) {
  EXPECT_EQ(InStr(1, "abc", "c"), 3);
  EXPECT_EQ(InStr(1, "あいう", "う"), 3);
  EXPECT_EQ(InStr(3, "abcabc", "a"), 4);
  EXPECT_EQ(InStr(1, "abc", "x"), 0);
  EXPECT_EQ(InStr(1, "しおりlevel1", "しおりLEVEL1"), 0) << "case matters";
  EXPECT_EQ(InStr(9, "abc", "a"), 0);
}

TEST(NthFieldTest, FieldsBetweenSeparators) {
  EXPECT_EQ(NthField("a\tb\tc", "\t", 2), "b");
  EXPECT_EQ(NthField("a\t\tc", "\t", 2), "");
  EXPECT_EQ(NthField("a\tb", "\t", 3), "");
  EXPECT_EQ(NthField("a\tb", "\t", 0), "");
  EXPECT_EQ(NthField("word", "\t", 1), "word");
  EXPECT_EQ(NthField("a::b", "::", 2), "b");
}

TEST(ChrTest, EncodesUtf8) {
  EXPECT_EQ(Chr(9), "\t");
  EXPECT_EQ(Chr(0x3057), "し");
  EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
}

}  // namespace
