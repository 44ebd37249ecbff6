#include "script_generation/script_file.h"

#include <cerrno>

#include "framework/encoding.h"
#include "framework/errors.h"
#include "framework/folder_item.h"
#include "framework/text_output_stream.h"

using namespace framework;

void WriteScriptFile(const BookmarkScript& script) {
  std::optional<FolderItem> file = GetFolderItem(kScriptFileName, 0);
  if (!file) {
    throw MakeIOException("Cannot resolve", std::string(kScriptFileName), ENOENT);
  }
  std::unique_ptr<TextOutputStream> stream = TextOutputStream::Create(*file);
  const std::string text =
      ConvertEncoding({script.scriptText, script.propertyText}, Encodings::UTF16);
  stream->Write(text);
  stream->Close();
}
