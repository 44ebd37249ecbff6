#include "framework/encoding.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <optional>

namespace framework {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Checks the bytes at `offset` as one UTF-8 sequence. `needed` is the length
// of the sequence their first byte leads, 0 when it leads none; the result is
// how many of those bytes are there and fit it: `needed` for a well-formed
// sequence, fewer where a byte breaks it or `bytes` ends.
size_t Utf8SequencePrefix(std::string_view bytes, size_t offset, size_t& needed) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
  const size_t available = bytes.size() - offset;
  const unsigned char first = p[0];
  // The second byte's range shuts out overlong forms, surrogates and code
  // points beyond U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (first < 0x80) {
    needed = 1;
  } else if (first >= 0xC2 && first <= 0xDF) {
    needed = 2;
  } else if (first >= 0xE0 && first <= 0xEF) {
    needed = 3;
    if (first == 0xE0) low = 0xA0;
    if (first == 0xED) high = 0x9F;
  } else if (first >= 0xF0 && first <= 0xF4) {
    needed = 4;
    if (first == 0xF0) low = 0x90;
    if (first == 0xF4) high = 0x8F;
  } else {
    needed = 0;
    return 0;
  }
  size_t fitting = 1;
  for (; fitting < needed && fitting < available; ++fitting) {
    const unsigned char c = p[fitting];
    if (fitting == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80) break;
  }
  return fitting;
}

// Length of the well-formed UTF-8 sequence at `offset`, or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view bytes, size_t offset) {
  size_t needed;
  return Utf8SequencePrefix(bytes, offset, needed) == needed ? needed : 0;
}

// True when `tail` is the start of a multi-byte UTF-8 sequence that ends too
// soon: a lead byte and fewer continuation bytes than it needs.
bool IsCutUtf8Sequence(std::string_view tail) {
  size_t needed;
  return !tail.empty() && Utf8SequencePrefix(tail, 0, needed) == tail.size() &&
         tail.size() < needed;
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
  // Kana and kanji (E1..EC, EE..EF and two continuation bytes) skip the
  // general checks.
  if (((c >= 0xE1 && c <= 0xEC) || c >= 0xEE) && c <= 0xEF &&
      static_cast<size_t>(p - begin) + 2 < utf8.size() && (p[1] & 0xC0) == 0x80 &&
      (p[2] & 0xC0) == 0x80) {
    c = ((c & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    return p + 3;
  }
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

// The length of the longest well-formed start of `bytes`: where the first
// byte that starts no well-formed sequence stands, or the size.
size_t ValidUtf8Length(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  for (size_t offset = 0; offset < size;) {
    // Skip ASCII eight bytes at a time where it can.
    while (offset + 8 <= size) {
      uint64_t word;
      std::memcpy(&word, p + offset, 8);
      if (word & 0x8080808080808080ull) break;
      offset += 8;
    }
    if (offset >= size) break;
    const unsigned char first = p[offset];
    if (first < 0x80) {
      ++offset;
      continue;
    }
    // Kana and kanji are E1..EC or EE..EF with two continuation bytes: the
    // common case of a Japanese list, taken without the general checks.
    if (((first >= 0xE1 && first <= 0xEC) || first >= 0xEE) && first <= 0xEF && offset + 2 < size &&
        (p[offset + 1] & 0xC0) == 0x80 && (p[offset + 2] & 0xC0) == 0x80) {
      offset += 3;
      continue;
    }
    size_t length = Utf8SequenceLength(bytes, offset);
    if (length == 0) return offset;
    offset += length;
  }
  return size;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) { return ValidUtf8Length(bytes) == bytes.size(); }

void AppendUtf16(Utf16String& text, std::string_view utf8) {
  // A character never takes more UTF-16 units than it has UTF-8 bytes.
  const size_t at = text.size();
  text.resize(at + utf8.size());
  char16_t* dst = text.data() + at;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  while (p < end) {
    // ASCII runs dominate a script: widen them eight at a time.
    uint64_t word;
    if (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ull) == 0)) {
      for (int i = 0; i < 8; ++i) dst[i] = p[i];
      dst += 8;
      p += 8;
      continue;
    }
    if (*p < 0x80) {
      *dst++ = *p++;
      continue;
    }
    uint32_t c;
    p = NextCodePoint(utf8, p, c);
    if (c >= 0x10000) {
      c -= 0x10000;
      *dst++ = static_cast<char16_t>(0xD800 | (c >> 10));
      *dst++ = static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    } else {
      *dst++ = static_cast<char16_t>(c);
    }
  }
  text.resize(dst - text.data());
}

std::string_view LittleEndianBytes(Utf16String& text) {
  if constexpr (std::endian::native == std::endian::big) {
    for (char16_t& unit : text) unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
  }
  return std::string_view(reinterpret_cast<const char*>(text.data()), 2 * text.size());
}

std::string ConvertEncoding(std::string_view text, Encoding) {
  Utf16String units;
  AppendUtf16(units, text);
  std::string bytes(kUtf16ByteOrderMark);
  bytes += LittleEndianBytes(units);
  return bytes;
}

std::string DecodeText(std::string bytes) {
  std::string_view view(bytes);
  if (view.starts_with("\xEF\xBB\xBF")) return ReplaceInvalidUtf8(view.substr(3));
  if (view.starts_with("\xFF\xFE")) return DecodeUtf16(view.substr(2), "UTF-16LE");
  if (view.starts_with("\xFE\xFF")) return DecodeUtf16(view.substr(2), "UTF-16BE");
  const size_t valid = ValidUtf8Length(view);
  if (valid == view.size()) return bytes;
  // A UTF-8 list cut inside its last character (a copy broken off) stays
  // UTF-8, however its bytes would read as Shift_JIS.
  if (IsCutUtf8Sequence(view.substr(valid))) {
    const size_t cut = bytes.size() - valid;
    bytes.resize(valid);
    for (size_t i = 0; i < cut; ++i) bytes += kReplacementCharacter;
    return bytes;
  }
  if (auto shiftJis = Iconv(view, "CP932", true, 1)) return *shiftJis;
  return ReplaceInvalidUtf8(view);
}

}  // namespace framework
