#pragma once

#include <string>
#include <string_view>

namespace framework {

enum class Encoding { UTF16 };

// The encodings a text can be converted to, named as callers name them.
struct Encodings {
  static constexpr Encoding UTF16 = Encoding::UTF16;
};

// UTF-16 text in the machine's byte order: a text that is to be written as
// UTF-16 is built in it, so that it need not be converted as a whole later.
using Utf16String = std::u16string;

// The mark that tells a UTF-16 reader the byte order: little-endian.
inline constexpr std::string_view kUtf16ByteOrderMark = "\xFF\xFE";

// Appends `utf8` to `text`; a byte that starts no well-formed UTF-8 sequence
// becomes U+FFFD.
void AppendUtf16(Utf16String& text, std::string_view utf8);

// The bytes of `text` in little-endian order. They view the text, which on a
// big-endian machine is swapped in place first.
std::string_view LittleEndianBytes(Utf16String& text);

// The bytes of `text` in `encoding`: UTF-16, little-endian with the byte-order
// mark before the text, so that every reader finds the order.
std::string ConvertEncoding(std::string_view text, Encoding encoding);

// The text of a file's `bytes` as UTF-8, decided once from the bytes: a UTF-8
// byte-order mark is dropped; a UTF-16 mark (either order) means UTF-16; bytes
// that are valid UTF-8 but for a character cut off at their very end are
// UTF-8, each byte of the cut character read as U+FFFD; other bytes that are
// not valid UTF-8 but are valid Shift_JIS (code page 932) are read as that;
// anything else is UTF-8 with each invalid byte read as U+FFFD.
std::string DecodeText(std::string bytes);

// True when `bytes` is well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace framework
