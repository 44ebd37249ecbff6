#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "framework/text.h"

namespace framework {

// A value of one of the framework's simple kinds. A default Variant holds
// nothing (VarType 0), as the elements of a new array do until they are set.
class Variant {
 public:
  Variant() = default;
  Variant(int32_t value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(bool value) : value_(value) {}
  Variant(String value) : value_(std::move(value)) {}
  Variant(const char* value) : value_(String(value)) {}

  // The stored value; Value().index() follows the order of the kinds here.
  const std::variant<std::monostate, int32_t, double, bool, String>& Value() const {
    return value_;
  }

 private:
  std::variant<std::monostate, int32_t, double, bool, String> value_;
};

// The kind of `value`: 0 nothing, 2 Int32, 5 Double, 8 String, 11 Boolean.
int32_t VarType(const Variant& value);

// An Int32 as it stands; a Double as RuntimeCvtReal64ToSInt32 makes it; a
// Boolean as 1 or 0; a String as Val reads it; nothing as 0.
int32_t VariantToInt32(const Variant& value);

// A String as it stands; an Int32 or a Double as Str gives it; a Boolean as
// "True" or "False"; nothing as the empty text.
String VariantToString(const Variant& value);

Variant StringToVariant(String text);

}  // namespace framework
