#include "framework/encoding.h"

#include <iconv.h>

#include <cassert>
#include <cerrno>
#include <optional>

#include "framework/large_buffer.h"

namespace framework {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at `offset`, or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view bytes, size_t offset) {
  auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[offset + i]); };
  auto continuation = [&](size_t i) { return offset + i < bytes.size() && (at(i) & 0xC0) == 0x80; };
  unsigned char first = at(0);
  if (first < 0x80) return 1;
  if (first >= 0xC2 && first <= 0xDF) return continuation(1) ? 2 : 0;
  if (first >= 0xE0 && first <= 0xEF) {
    if (!continuation(1) || !continuation(2)) return 0;
    if (first == 0xE0 && at(1) < 0xA0) return 0;  // overlong
    if (first == 0xED && at(1) > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (first >= 0xF0 && first <= 0xF4) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    if (first == 0xF0 && at(1) < 0x90) return 0;  // overlong
    if (first == 0xF4 && at(1) > 0x8F) return 0;  // beyond U+10FFFF
    return 4;
  }
  return 0;
}

std::string ReplaceInvalidUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t offset = 0; offset < bytes.size();) {
    size_t length = Utf8SequenceLength(bytes, offset);
    if (length == 0) {
      text += kReplacementCharacter;
      ++offset;
    } else {
      text.append(bytes.substr(offset, length));
      offset += length;
    }
  }
  return text;
}

// Converts with iconv. With `strict`, any byte that does not convert fails the
// whole conversion (nullopt); otherwise such a unit reads as U+FFFD and
// `unitSize` bytes are skipped.
std::optional<std::string> Iconv(std::string_view bytes, const char* from, bool strict,
                                 size_t unitSize) {
  iconv_t converter = iconv_open("UTF-8", from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string text(bytes.size() * 3 / 2 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  size_t used = 0;
  std::optional<std::string> result;
  for (;;) {
    char* out = text.data() + used;
    size_t outLeft = text.size() - used;
    size_t status = iconv(converter, &in, &inLeft, &out, &outLeft);
    used = text.size() - outLeft;
    if (status != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      text.resize(text.size() * 2);
      continue;
    }
    if (strict) {
      iconv_close(converter);
      return std::nullopt;
    }
    // EILSEQ, or EINVAL for a unit cut off at the end of the input.
    size_t skip = std::min(unitSize, inLeft);
    in += skip;
    inLeft -= skip;
    if (text.size() - used < kReplacementCharacter.size()) text.resize(text.size() * 2);
    text.replace(used, kReplacementCharacter.size(), kReplacementCharacter);
    used += kReplacementCharacter.size();
    if (inLeft == 0) break;
  }
  iconv_close(converter);
  text.resize(used);
  result = std::move(text);
  return result;
}

std::string DecodeUtf16(std::string_view bytes, const char* order) {
  if (auto text = Iconv(bytes, order, false, 2)) return *text;
  // Without a converter for UTF-16 every unit reads as U+FFFD.
  std::string text;
  for (size_t unit = 0; unit < bytes.size(); unit += 2) text += kReplacementCharacter;
  return text;
}

// Steps over the character at `p`: its code point, U+FFFD for a byte that
// starts no well-formed sequence (which is then skipped alone).
const unsigned char* NextCodePoint(std::string_view utf8, const unsigned char* p, uint32_t& c) {
  c = *p;
  if (c < 0x80) return p + 1;
  const auto* begin = reinterpret_cast<const unsigned char*>(utf8.data());
  size_t length = Utf8SequenceLength(utf8, p - begin);
  if (length == 2) {
    c = ((c & 0x1F) << 6) | (p[1] & 0x3F);
  } else if (length == 3) {
    c = ((c & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F);
  } else if (length == 4) {
    c = ((c & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
  } else {
    c = 0xFFFD;
    length = 1;
  }
  return p + length;
}

// The number of UTF-16 units AppendUtf16 writes for `utf8`.
size_t Utf16Units(std::string_view utf8) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  size_t units = 0;
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      ++units;
      continue;
    }
    uint32_t c;
    p = NextCodePoint(utf8, p, c);
    units += c >= 0x10000 ? 2 : 1;
  }
  return units;
}

// Writes `utf8` as UTF-16LE at `dst`, which has room for Utf16Units(utf8)
// units; returns the end of what it wrote.
char* AppendUtf16(char* dst, std::string_view utf8) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  auto put = [&](uint32_t unit) {
    *dst++ = static_cast<char>(unit & 0xFF);
    *dst++ = static_cast<char>(unit >> 8);
  };
  while (p < end) {
    // ASCII runs dominate a script: widen them without decoding.
    if (*p < 0x80) {
      *dst++ = static_cast<char>(*p++);
      *dst++ = 0;
      continue;
    }
    uint32_t c;
    p = NextCodePoint(utf8, p, c);
    if (c >= 0x10000) {
      c -= 0x10000;
      put(0xD800 | (c >> 10));
      put(0xDC00 | (c & 0x3FF));
    } else {
      put(c);
    }
  }
  return dst;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (size_t offset = 0; offset < bytes.size();) {
    // Skip ASCII eight bytes at a time where it can.
    while (offset + 8 <= bytes.size()) {
      uint64_t word = 0;
      for (int i = 0; i < 8; ++i)
        word |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
      if (word & 0x8080808080808080ull) break;
      offset += 8;
    }
    if (offset >= bytes.size()) break;
    size_t length = Utf8SequenceLength(bytes, offset);
    if (length == 0) return false;
    offset += length;
  }
  return true;
}

std::string ConvertEncoding(std::initializer_list<std::string_view> pieces, Encoding encoding) {
  if (encoding == Encoding::UTF8) {
    std::string text;
    for (std::string_view piece : pieces) text += piece;
    return ReplaceInvalidUtf8(text);
  }
  // Counted first, so that the text is written once into memory of its final
  // size and never regrown.
  size_t units = 1;
  for (std::string_view piece : pieces) units += Utf16Units(piece);
  std::string out;
  ReserveLarge(out, 2 * units);
  out.resize(2 * units);
  char* dst = out.data();
  *dst++ = '\xFF';
  *dst++ = '\xFE';
  for (std::string_view piece : pieces) dst = AppendUtf16(dst, piece);
  assert(dst == out.data() + out.size());
  return out;
}

std::string ConvertEncoding(std::string_view text, Encoding encoding) {
  return ConvertEncoding({text}, encoding);
}

std::string DecodeText(std::string bytes) {
  std::string_view view(bytes);
  if (view.starts_with("\xEF\xBB\xBF")) return ReplaceInvalidUtf8(view.substr(3));
  if (view.starts_with("\xFF\xFE")) return DecodeUtf16(view.substr(2), "UTF-16LE");
  if (view.starts_with("\xFE\xFF")) return DecodeUtf16(view.substr(2), "UTF-16BE");
  if (IsValidUtf8(view)) return bytes;
  if (auto shiftJis = Iconv(view, "CP932", true, 1)) return *shiftJis;
  return ReplaceInvalidUtf8(view);
}

}  // namespace framework
