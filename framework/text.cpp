#include "framework/text.h"

#include <string.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace framework {
namespace {

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Byte offset of the 1-based character position `position`, or npos past the end.
size_t ByteOffsetOfCharacter(std::string_view text, int32_t position) {
  size_t offset = 0;
  for (int32_t character = 1; character < position; ++character) {
    if (offset >= text.size()) return std::string_view::npos;
    ++offset;
    while (offset < text.size() && IsContinuationByte(text[offset])) ++offset;
  }
  return offset;
}

int32_t CharacterCount(std::string_view text) {
  int32_t count = 0;
  for (unsigned char byte : text) count += IsContinuationByte(byte) ? 0 : 1;
  return count;
}

// The ASCII twin of the character at `text[offset]`, or 0 when it has none;
// `length` receives the character's length in bytes. Full-width forms
// (U+FF0B '+', U+FF0D '-', U+FF0E '.', U+FF10..U+FF19 digits) are EF BC xx.
char AsciiTwinAt(std::string_view text, size_t offset, size_t& length) {
  unsigned char first = text[offset];
  if (first < 0x80) {
    length = 1;
    return static_cast<char>(first);
  }
  if (first == 0xEF && offset + 2 < text.size() &&
      static_cast<unsigned char>(text[offset + 1]) == 0xBC) {
    unsigned char last = text[offset + 2];
    length = 3;
    if (last >= 0x90 && last <= 0x99) return static_cast<char>('0' + (last - 0x90));
    if (last == 0x8B) return '+';
    if (last == 0x8D) return '-';
    if (last == 0x8E) return '.';
  }
  length = 0;
  return 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of an ASCII `number` beyond the Double range: the largest Double
// when its magnitude is too large, 0 when it is too small. The magnitude is
// the position of its first significant digit, shifted by the exponent.
double OutOfRange(std::string_view number) {
  size_t e = number.find('e');
  std::string_view mantissa = number.substr(0, e);
  int exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (error == std::errc::result_out_of_range) {
      exponent = digits.front() == '-' ? std::numeric_limits<int>::min() / 2
                                       : std::numeric_limits<int>::max() / 2;
    }
  }
  size_t point = mantissa.find('.');
  if (point == std::string_view::npos) point = mantissa.size();
  size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0.0;
  long long magnitude = first < point ? static_cast<long long>(point - first)
                                      : -static_cast<long long>(first - point - 1);
  return magnitude + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
}

}  // namespace

String Chr(uint32_t code) {
  String text;
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
  return text;
}

int32_t InStr(int32_t start, std::string_view source, std::string_view find) {
  if (start < 1) start = 1;
  size_t from = ByteOffsetOfCharacter(source, start);
  if (from == std::string_view::npos) return 0;
  // memmem rather than find: find stops at every copy of the first byte, and
  // in Japanese text most characters start with the same byte.
  const void* hit = memmem(source.data() + from, source.size() - from, find.data(), find.size());
  if (!hit) return 0;
  size_t found = static_cast<const char*>(hit) - source.data();
  return start + CharacterCount(source.substr(from, found - from));
}

std::string_view NthField(std::string_view source, std::string_view separator, int32_t index) {
  if (index < 1) return {};
  if (separator.empty()) return index == 1 ? source : std::string_view();
  size_t begin = 0;
  for (int32_t field = 1; field < index; ++field) {
    size_t next = source.find(separator, begin);
    if (next == std::string_view::npos) return {};
    begin = next + separator.size();
  }
  size_t end = source.find(separator, begin);
  return source.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

double Val(std::string_view text) {
  // The number is copied in ASCII form and handed to from_chars, which reads
  // it with correct rounding whatever the process's locale.
  std::string number;
  size_t offset = 0;
  size_t length = 0;
  // The ideographic space (E3 80 80) is the full-width twin of the blank.
  for (;;) {
    if (offset < text.size() && (text[offset] == ' ' || text[offset] == '\t')) {
      ++offset;
    } else if (text.substr(offset, 3) == "\xE3\x80\x80") {
      offset += 3;
    } else {
      break;
    }
  }
  auto peek = [&]() { return offset < text.size() ? AsciiTwinAt(text, offset, length) : '\0'; };

  bool negative = false;
  char c = peek();
  if (c == '+' || c == '-') {
    negative = c == '-';
    offset += length;
    c = peek();
  }
  size_t mantissaDigits = 0;
  auto takeDigits = [&]() {
    for (; IsDigit(c); c = peek()) {
      number += c;
      ++mantissaDigits;
      offset += length;
    }
  };
  takeDigits();
  if (c == '.') {
    offset += length;
    number += '.';
    c = peek();
    takeDigits();
  }
  if (mantissaDigits == 0) return 0.0;
  if (offset < text.size() && (text[offset] == 'e' || text[offset] == 'E')) {
    size_t at = offset + 1;
    std::string exponent = "e";
    if (at < text.size()) {
      size_t signLength = 0;
      char sign = AsciiTwinAt(text, at, signLength);
      if (sign == '+' || sign == '-') {
        exponent += sign;
        at += signLength;
      }
    }
    size_t exponentDigits = 0;
    while (at < text.size()) {
      size_t digitLength = 0;
      char digit = AsciiTwinAt(text, at, digitLength);
      if (!IsDigit(digit)) break;
      exponent += digit;
      at += digitLength;
      ++exponentDigits;
    }
    if (exponentDigits > 0) number += exponent;
  }

  double value = 0.0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) value = OutOfRange(number);
  return negative ? -value : value;
}

String Str(int32_t value) { return std::to_string(value); }

String Str(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0.0) return "0";
  // Below 2^53 a whole number's shortest digits are its exact digits.
  if (std::fabs(value) < 9007199254740992.0 && value == std::trunc(value)) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(value)).ptr;
    return String(digits, end);
  }

  // Shortest round-trip digits, then JavaScript's Number::toString layout.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                              std::chars_format::scientific);
  std::string_view scientific(buffer, result.ptr - buffer);
  size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (c != '.') digits += c;
  }
  int exponent = 0;
  std::string_view exponentText = scientific.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  const int k = static_cast<int>(digits.size());
  const int n = exponent + 1;
  String text = value < 0 ? "-" : "";
  if (k <= n && n <= 21) {
    text += digits;
    text.append(n - k, '0');
  } else if (0 < n && n <= 21) {
    text += digits.substr(0, n);
    text += '.';
    text += digits.substr(n);
  } else if (-6 < n && n <= 0) {
    text += "0.";
    text.append(-n, '0');
    text += digits;
  } else {
    text += digits[0];
    if (k > 1) {
      text += '.';
      text += digits.substr(1);
    }
    text += 'e';
    text += n - 1 >= 0 ? '+' : '-';
    text += std::to_string(std::abs(n - 1));
  }
  return text;
}

int32_t RuntimeCvtReal64ToSInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace framework
