#include "script_generation/generation.h"

#include "framework/text_input_stream.h"
#include "script_generation/bookmark_list.h"
#include "script_generation/bookmark_tree.h"
#include "script_generation/script_file.h"

namespace yorvane {

using framework::FolderItem;
using framework::RuntimeCvtReal64ToSInt32;
using framework::TextInputStream;
using framework::Val;

namespace {

BookmarkScript ReadAndBuild(GenerationWindow& window, TextInputStream& stream) {
  BookmarkColumns rows;
  ReadBookmarkList(stream, rows);
  stream.Close();
  const int32_t pageOffset = RuntimeCvtReal64ToSInt32(Val(window.pageplusText()));
  return BuildBookmarkScript(rows, pageOffset);
}

}  // namespace

void fmakejsx(GenerationWindow& window) {
  const std::optional<FolderItem>& list = window.gTabFile();
  if (!list) {
    window.SetST1("ファイルを選択して下さい");
    return;
  }
  if (!list->Exists()) {
    window.SetST1("ファイルがありません");
    return;
  }
  window.SetST1("ファイル読み込み中");
  std::unique_ptr<TextInputStream> stream = list->OpenAsTextFile();
  if (!stream) {
    // Going on would write a script that only removes every bookmark.
    window.SetST1("ファイルを開けません");
    return;
  }
  // The rows are released before the script is converted and written.
  BookmarkScript script = ReadAndBuild(window, *stream);
  WriteScriptFile(script);
  window.SetST1("JSX作成完了");
}

}  // namespace yorvane
