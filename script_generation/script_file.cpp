#include "script_generation/script_file.h"

#include <cerrno>

#include "framework/encoding.h"
#include "framework/errors.h"
#include "framework/folder_item.h"
#include "framework/text_output_stream.h"

namespace yorvane {

using framework::FolderItem;
using framework::GetFolderItem;
using framework::kUtf16ByteOrderMark;
using framework::LittleEndianBytes;
using framework::MakeIOException;
using framework::TextOutputStream;

void WriteScriptFile(BookmarkScript& script) {
  std::optional<FolderItem> file = GetFolderItem(kScriptFileName, 0);
  if (!file) {
    throw MakeIOException("Cannot resolve", std::string(kScriptFileName), ENOENT);
  }
  std::unique_ptr<TextOutputStream> stream = TextOutputStream::Create(*file);
  // The mark and the two texts leave in one write, joined by the system.
  stream->Write({kUtf16ByteOrderMark, LittleEndianBytes(script.scriptText),
                 LittleEndianBytes(script.propertyText)});
  stream->Close();
}

}  // namespace yorvane
