#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace framework {

// The framework's text: UTF-8 in a std::string. Positions and counts that the
// string functions report are in characters (code points), not bytes.
using String = std::string;

// The one-character text of the code point `code` (UTF-8).
String Chr(uint32_t code);

// The 1-based character position of the first occurrence of `find` in `source`
// at or after character `start`, 0 when there is none. Case matters.
int32_t InStr(int32_t start, std::string_view source, std::string_view find);

// Field `index` (from 1) of `source` divided at `separator`; empty when the
// field is missing. The result views `source`: it lives as long as `source`.
std::string_view NthField(std::string_view source, std::string_view separator, int32_t index);

// Reads a number at the start of `text`: leading blanks, tabs and ideographic
// spaces, an optional sign, digits, an optional fraction and exponent; stops at
// the first character that does not fit. Full-width digits, signs and points count as
// their ASCII twins. No number gives 0; a magnitude beyond the Double range
// gives the largest finite Double of that sign.
double Val(std::string_view text);

// An Int32 in decimal, a minus sign before a negative value.
String Str(int32_t value);

// A Double as a JavaScript number literal: whole numbers below 1e21 as plain
// digits (never "-0"), anything else in the shortest form that reads back to
// the same Double ("1.5", "1e+21", "1e-7").
String Str(double value);

// Double to Int32: toward zero, saturating at the Int32 limits; NaN gives 0.
int32_t RuntimeCvtReal64ToSInt32(double value);

}  // namespace framework
