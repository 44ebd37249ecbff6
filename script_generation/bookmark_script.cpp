#include "script_generation/bookmark_script.h"

#include <charconv>

namespace yorvane {

namespace {

constexpr char kCarriageReturn = '\r';

void AppendInt(framework::String& text, int32_t value) {
  char buffer[16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

void AppendPath(framework::String& text, BookmarkPath path) {
  text += "bookmarkRoot";
  for (int32_t index : path) {
    text += ".children[";
    AppendInt(text, index);
    text += ']';
  }
}

// True for the bytes that may start a character needing an escape: controls
// (C0, DEL, and C1 as C2 80..9F), the quote, the backslash, and E2, which
// starts U+2028 and U+2029, line ends in JavaScript.
bool MayNeedEscape(unsigned char byte) {
  return byte < 0x20 || byte == '"' || byte == '\\' || byte == 0x7F || byte == 0xC2 || byte == 0xE2;
}

unsigned char ByteAt(std::string_view text, size_t i) {
  return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
}

}  // namespace

void AppendRemoveStatement(framework::String& text) {
  text += "bookmarkRoot.remove();";
  text += kCarriageReturn;
}

void AppendCreateChildStatement(framework::String& text, BookmarkPath parentPath,
                                std::string_view title, std::string_view pageNumberText,
                                int32_t rowIndex) {
  AppendPath(text, parentPath);
  text += ".createChild(";
  AppendJavaScriptString(text, title);
  text += ",\"this.pageNum=";
  text += pageNumberText;
  text += "\",";
  AppendInt(text, rowIndex);
  text += ");";
  text += kCarriageReturn;
}

void AppendOpenStatement(framework::String& text, BookmarkPath path, std::string_view openValue) {
  AppendPath(text, path);
  text += ".open = ";
  text += openValue;
  text += kCarriageReturn;
}

void AppendStyleStatement(framework::String& text, BookmarkPath path, int32_t style) {
  AppendPath(text, path);
  text += ".style = ";
  AppendInt(text, style);
  text += kCarriageReturn;
}

void AppendJavaScriptString(framework::String& text, std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  text += '"';
  size_t plainFrom = 0;
  for (size_t i = 0; i < value.size(); ++i) {
    unsigned char byte = value[i];
    if (!MayNeedEscape(byte)) continue;
    const char* escape = nullptr;
    uint32_t code = byte;
    size_t length = 1;
    if (byte == 0xC2) {
      if (ByteAt(value, i + 1) < 0x80 || ByteAt(value, i + 1) > 0x9F) continue;
      code = ByteAt(value, i + 1);
      length = 2;
    } else if (byte == 0xE2) {
      if (ByteAt(value, i + 1) != 0x80 || (ByteAt(value, i + 2) & 0xFE) != 0xA8) continue;
      code = 0x2028 + (ByteAt(value, i + 2) - 0xA8);
      length = 3;
    } else if (byte == '"') {
      escape = "\\\"";
    } else if (byte == '\\') {
      escape = "\\\\";
    } else if (byte == '\r') {
      escape = "\\r";
    } else if (byte == '\n') {
      escape = "\\n";
    }
    text.append(value.substr(plainFrom, i - plainFrom));
    if (escape) {
      text += escape;
    } else {
      char unicode[] = {'\\',
                        'u',
                        kHex[(code >> 12) & 0xF],
                        kHex[(code >> 8) & 0xF],
                        kHex[(code >> 4) & 0xF],
                        kHex[code & 0xF]};
      text.append(unicode, sizeof unicode);
    }
    i += length - 1;
    plainFrom = i + 1;
  }
  text.append(value.substr(plainFrom));
  text += '"';
}

}  // namespace yorvane
