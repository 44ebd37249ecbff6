// Reads arbitrary list bytes and a page-offset text through the generator's
// reading and building, and checks that the script it builds in UTF-16 is
// well-formed, holds only the statement forms, and reads back without loss.
//
// Input: the first byte gives the length of the offset text that follows it;
// the rest is the list file's bytes.
#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/encoding.h"
#include "framework/text.h"
#include "framework/text_input_stream.h"
#include "fuzz/script_checker.h"
#include "script_generation/bookmark_list.h"
#include "script_generation/bookmark_tree.h"

namespace {

[[noreturn]] void Fail(std::string_view why, const std::string& script) {
  std::fprintf(stderr, "generation_fuzz: %.*s\nscript (%zu bytes):\n%s\n",
               static_cast<int>(why.size()), why.data(), script.size(), script.c_str());
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const auto* text = reinterpret_cast<const char*>(data);
  const size_t offsetLength = std::min<size_t>(data[0], size - 1);
  const std::string_view offsetText(text + 1, offsetLength);
  std::string listBytes(text + 1 + offsetLength, size - 1 - offsetLength);

  framework::TextInputStream stream(framework::DecodeText(std::move(listBytes)));
  yorvane::BookmarkColumns rows;
  yorvane::ReadBookmarkList(stream, rows);
  stream.Close();
  yorvane::BookmarkScript built = yorvane::BuildBookmarkScript(
      rows, framework::RuntimeCvtReal64ToSInt32(framework::Val(offsetText)));
  const std::string file = std::string(framework::kUtf16ByteOrderMark) +
                           std::string(framework::LittleEndianBytes(built.scriptText)) +
                           std::string(framework::LittleEndianBytes(built.propertyText));

  const std::optional<std::string> script = Utf16ToUtf8(file);
  if (!script) Fail("the script is not well-formed UTF-16", file);
  if (std::string_view why = CheckBookmarkScript(*script); !why.empty()) Fail(why, *script);
  if (!framework::IsValidUtf8(*script)) Fail("the script is not valid UTF-8", *script);
  if (framework::ConvertEncoding(*script, framework::Encodings::UTF16) != file) {
    Fail("the script does not convert back to the same UTF-16", *script);
  }
  return 0;
}
