#include "framework/encoding.h"

#include <gtest/gtest.h>

namespace {

using framework::ConvertEncoding;
using framework::DecodeText;
using framework::Encodings;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

TEST(ConvertEncodingTest, Utf16IsLittleEndianWithMark) {
  EXPECT_EQ(ConvertEncoding("", Encodings::UTF16), Bytes({0xFF, 0xFE}));
  EXPECT_EQ(ConvertEncoding("Aし", Encodings::UTF16), Bytes({0xFF, 0xFE, 'A', 0, 0x57, 0x30}));
  EXPECT_EQ(ConvertEncoding("\xF0\x9F\x98\x80", Encodings::UTF16),
            Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}))
      << "a character beyond the BMP is a surrogate pair";
}

TEST(AppendUtf16Test, AppendsAndReplacesInvalidBytes) {
  framework::Utf16String text = u"x";
  framework::AppendUtf16(text, "a\xFF\xE3\x81");
  framework::AppendUtf16(text, "し");
  EXPECT_EQ(text, u"xa\uFFFD\uFFFD\uFFFDし");
  EXPECT_EQ(framework::LittleEndianBytes(text).substr(0, 4), Bytes({'x', 0, 'a', 0}));
}

TEST(DecodeTextTest, DecidesTheEncodingFromTheBytes) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"plain UTF-8", "しA", "しA"},
      {"UTF-8 mark dropped", "\xEF\xBB\xBFしA", "しA"},
      {"UTF-16LE", Bytes({0xFF, 0xFE, 0x57, 0x30, 'A', 0}), "しA"},
      {"UTF-16BE", Bytes({0xFE, 0xFF, 0x30, 0x57, 0, 'A'}), "しA"},
      {"UTF-16LE lone surrogate", Bytes({0xFF, 0xFE, 0x00, 0xD8, 'A', 0}),
       "\xEF\xBF\xBD"
       "A"},
      {"UTF-16LE odd last byte", Bytes({0xFF, 0xFE, 'A', 0, 'B'}), "A\xEF\xBF\xBD"},
      {"Shift_JIS", Bytes({0x82, 0xB5, 'A'}), "しA"},
      {"neither", Bytes({'A', 0xFF, 0x80}), "A\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"overlong UTF-8 is Shift_JIS kana", Bytes({0xC0, 0xAF}), "ﾀｯ"},
      {"surrogate in UTF-8, no Shift_JIS", Bytes({0xED, 0xA0, 0x80, 0xFF}),
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      // A cut UTF-8 text whose bytes are valid Shift_JIS as a whole.
      {"UTF-8 cut in its last character", "しA\xE3\x81", "しA\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"UTF-8 cut after a second byte in range", Bytes({'A', 0xE0, 0xA0}),
       "A\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"overlong start at the end is Shift_JIS", Bytes({'A', 0xE0, 0x80}), "A烙"},
      {"Shift_JIS ending in a UTF-8 lead byte", Bytes({0x82, 0xB5, 'A', 0xD8}), "しAﾘ"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeText(c.bytes), c.text) << c.name;
}

}  // namespace
