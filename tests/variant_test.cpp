#include "framework/variant.h"

#include <gtest/gtest.h>

#include <vector>

namespace framework {
namespace {

TEST(VariantTest, KindsAndConversions) {
  struct Case {
    Variant value;
    int32_t varType;
    const char* text;
    int32_t number;
  };
  const Case cases[] = {
      {Variant(), 0, "", 0},
      {Variant(int32_t{-7}), 2, "-7", -7},
      {Variant(2.5), 5, "2.5", 2},
      {Variant(-3.0), 5, "-3", -3},
      {Variant(true), 11, "True", 1},
      {Variant(false), 11, "False", 0},
      {StringToVariant("/Users/a b/makebookmark.jsx"), 8, "/Users/a b/makebookmark.jsx", 0},
      {StringToVariant("12"), 8, "12", 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(VarType(c.value), c.varType);
    EXPECT_EQ(VariantToString(c.value), c.text);
    EXPECT_EQ(VariantToInt32(c.value), c.number);
  }
}

TEST(VariantTest, NewArrayElementsHoldNothing) {
  std::vector<Variant> parameters(1);
  EXPECT_EQ(VarType(parameters[0]), 0);
  parameters[0] = StringToVariant("x");
  EXPECT_EQ(VarType(parameters[0]), 8);
}

}  // namespace
}  // namespace framework
