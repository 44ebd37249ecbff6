#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace framework {

enum class Encoding { UTF8, UTF16 };

// The encodings a text can be converted to, named as callers name them.
struct Encodings {
  static constexpr Encoding UTF8 = Encoding::UTF8;
  static constexpr Encoding UTF16 = Encoding::UTF16;
};

// The bytes of `pieces`, joined in order, in `encoding`. UTF-16 is
// little-endian with a byte-order mark before the text, so that every reader
// finds the order. The pieces are joined while converting, so a long text is
// not copied once more before it is converted.
std::string ConvertEncoding(std::initializer_list<std::string_view> pieces, Encoding encoding);
std::string ConvertEncoding(std::string_view text, Encoding encoding);

// The text of a file's `bytes` as UTF-8, decided once from the bytes: a UTF-8
// byte-order mark is dropped; a UTF-16 mark (either order) means UTF-16; bytes
// that are not valid UTF-8 but are valid Shift_JIS (code page 932) are read as
// that; anything else is UTF-8 with each invalid byte read as U+FFFD.
std::string DecodeText(std::string bytes);

// True when `bytes` is well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace framework
