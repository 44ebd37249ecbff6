#include "script_generation/bookmark_list.h"

#include "framework/background_task.h"
#include "framework/text.h"

namespace yorvane {

using framework::InStr;
using framework::NthField;

void BookmarkColumns::StoreLine(std::string_view line) {
  static const framework::String tab = framework::Chr(9);
  // Walking the line once gives the same fields as NthField for k = 1 to 7.
  std::string_view rest = line;
  bool more = true;
  for (size_t k = 0; k < kBookmarkFieldCount; ++k) {
    std::string_view field = more ? NthField(rest, tab, 1) : std::string_view();
    columns_[k].Append(field);
    if (more && field.size() < rest.size()) {
      rest.remove_prefix(field.size() + tab.size());
    } else {
      more = false;
    }
  }
}

void BookmarkColumns::Reserve(size_t textBytes, size_t lines) {
  for (TextColumn& column : columns_) column.Reserve(textBytes, lines);
}

void ReadBookmarkList(framework::TextInputStream& stream, BookmarkColumns& rows) {
  // No column holds more than the whole text, nor more rows than lines.
  rows.Reserve(stream.Length(), stream.MaxLineCount());
  do {
    framework::String line = stream.ReadLine();
    if (InStr(1, line, kHeaderMarker) < 1) rows.StoreLine(line);
    framework::RuntimeBackgroundTask();
  } while (!stream.EndOfFile());
}

}  // namespace yorvane
