#include "fuzz/script_checker.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/text.h"

namespace {

// A cursor over one statement; each Take... consumes a piece or fails.
class Line {
 public:
  explicit Line(std::string_view text) : rest_(text) {}

  bool Done() const { return rest_.empty(); }
  bool Take(std::string_view piece) {
    if (!rest_.starts_with(piece)) return false;
    rest_.remove_prefix(piece.size());
    return true;
  }
  size_t TakeDigits() {
    size_t count = 0;
    while (count < rest_.size() && rest_[count] >= '0' && rest_[count] <= '9') ++count;
    rest_.remove_prefix(count);
    return count;
  }
  // -?(0|[1-9][0-9]*) within Int32; the value goes to `value`.
  bool TakeInteger(int64_t& value) {
    const bool negative = Take("-");
    std::string_view digits = rest_;
    const size_t count = TakeDigits();
    if (count == 0 || count > 10 || (count > 1 && digits[0] == '0')) return false;
    value = std::stoll(std::string(digits.substr(0, count)));
    if (negative) value = -value;
    return value >= INT32_MIN && value <= INT32_MAX && !(negative && value == 0);
  }
  // A JavaScript decimal literal with an optional sign: -?(0|[1-9]\d*)(\.\d+)?(e[+-]\d+)?
  bool TakeNumber() {
    Take("-");
    std::string_view digits = rest_;
    const size_t count = TakeDigits();
    if (count == 0 || (count > 1 && digits[0] == '0')) return false;
    if (Take(".") && TakeDigits() == 0) return false;
    if (Take("e") && !((Take("+") || Take("-")) && TakeDigits() > 0)) return false;
    return true;
  }
  // "bookmarkRoot" and `depth` times ".children[<integer>]", depth within
  // [minimum, maximum].
  bool TakePath(int minimum, int maximum) {
    if (!Take("bookmarkRoot")) return false;
    int depth = 0;
    int64_t index;
    while (Take(".children[")) {
      if (!TakeInteger(index) || !Take("]")) return false;
      ++depth;
    }
    return depth >= minimum && depth <= maximum;
  }
  // A double-quoted literal whose only escapes are \" \\ \r \n \uXXXX, with
  // no raw control character, quote, backslash, U+2028 or U+2029 inside, and
  // valid UTF-8.
  bool TakeStringLiteral() {
    if (!Take("\"")) return false;
    size_t i = 0;
    auto byte = [&](size_t at) {
      return at < rest_.size() ? static_cast<unsigned char>(rest_[at]) : 0x100u;
    };
    for (;;) {
      const unsigned b = byte(i);
      if (b == 0x100) return false;
      if (b == '"') break;
      if (b == '\\') {
        const unsigned e = byte(i + 1);
        if (e == '"' || e == '\\' || e == 'r' || e == 'n') {
          i += 2;
          continue;
        }
        if (e != 'u') return false;
        for (size_t h = i + 2; h < i + 6; ++h) {
          if (!std::isxdigit(static_cast<int>(byte(h) & 0xFF)) || byte(h) == 0x100) return false;
        }
        i += 6;
        continue;
      }
      if (b < 0x20 || b == 0x7F) return false;
      if (b < 0x80) {
        ++i;
        continue;
      }
      size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
      if (length == 0 || b > 0xF4) return false;
      uint32_t code = b & (0xFF >> (length + 1));
      for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80 || byte(i + k) == 0x100) return false;
        code = (code << 6) | (byte(i + k) & 0x3F);
      }
      const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
      if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
      }
      if ((code >= 0x80 && code <= 0x9F) || code == 0x2028 || code == 0x2029) return false;
      i += length;
    }
    rest_.remove_prefix(i + 1);
    return true;
  }

 private:
  std::string_view rest_;
};

bool IsCreateChild(std::string_view text, int64_t& rowIndex) {
  Line line(text);
  return line.TakePath(0, 3) && line.Take(".createChild(") && line.TakeStringLiteral() &&
         line.Take(",\"this.pageNum=") && line.TakeNumber() && line.Take("\",") &&
         line.TakeInteger(rowIndex) && line.Take(");") && line.Done();
}

bool IsProperty(std::string_view text) {
  Line line(text);
  if (!line.TakePath(1, 4)) return false;
  if (line.Take(".open = ")) return (line.Take("true") || line.Take("false")) && line.Done();
  int64_t style;
  return line.Take(".style = ") && line.TakeInteger(style) && line.Done();
}

}  // namespace

std::string_view CheckBookmarkScript(std::string_view script) {
  constexpr std::string_view kRemove = "bookmarkRoot.remove();\r";
  if (!script.starts_with(kRemove)) return "does not start with the remove statement";
  if (!script.ends_with("\r")) return "does not end with CR";
  script.remove_prefix(kRemove.size());
  bool inProperties = false;
  int64_t lastRowIndex = -1;
  while (!script.empty()) {
    const size_t end = script.find('\r');
    const std::string_view text = script.substr(0, end);
    script.remove_prefix(end + 1);
    int64_t rowIndex = -1;
    if (!inProperties && IsCreateChild(text, rowIndex)) {
      if (rowIndex <= lastRowIndex) return "row indexes do not rise";
      lastRowIndex = rowIndex;
    } else if (IsProperty(text)) {
      inProperties = true;
    } else {
      return "a line matches no statement form";
    }
  }
  return {};
}

std::optional<std::string> Utf16ToUtf8(std::string_view utf16) {
  if (!utf16.starts_with("\xFF\xFE") || utf16.size() % 2 != 0) return std::nullopt;
  std::string decoded;
  auto unit = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(utf16[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(utf16[at + 1])) << 8;
  };
  for (size_t at = 2; at < utf16.size(); at += 2) {
    uint32_t code = unit(at);
    if (code >= 0xDC00 && code <= 0xDFFF) return std::nullopt;
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (at + 3 >= utf16.size()) return std::nullopt;
      const uint32_t low = unit(at + 2);
      if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
      at += 2;
    }
    decoded += framework::Chr(code);
  }
  return decoded;
}
