#include "script_generation/bookmark_tree.h"

#include <array>

#include "framework/background_task.h"
#include "framework/large_buffer.h"
#include "script_generation/bookmark_script.h"

namespace yorvane {

using framework::ReserveLarge;
using framework::RuntimeCvtReal64ToSInt32;
using framework::Str;
using framework::Val;

namespace {

constexpr int kLevels = 4;
// "bookmarkRoot", four ".children[<Int32>]", ".style = <Int32>" and CR.
constexpr size_t kPropertyStatementBytes = 12 + 4 * 22 + 9 + 11 + 1;

// The open value of a row: empty (no statement), "false" for exactly "0",
// "true" for any other text.
std::string_view OpenValue(std::string_view flag) {
  if (flag.empty()) return {};
  return flag == "0" ? "false" : "true";
}

// The level (1 to 4) from the leftmost non-empty title, 0 for none.
int LevelOf(const BookmarkColumns& rows, int32_t rowIndex) {
  for (int level = 1; level <= kLevels; ++level) {
    if (!rows[TitleField(level)].Get(rowIndex).empty()) {
      return level;
    }
  }
  return 0;
}

}  // namespace

BookmarkScript BuildBookmarkScript(const BookmarkColumns& rows, int32_t pageOffset) {
  const int32_t lastRowIndex = rows.UpperBound();
  BookmarkScript script;
  // About 90 characters of statement around each title; a title has no more
  // UTF-16 units than UTF-8 bytes. Room reserved but never written costs no memory.
  size_t titleBytes = 0;
  for (int level = 0; level < kLevels; ++level) {
    titleBytes += rows[TitleField(level + 1)].TextBytes();
  }
  ReserveLarge(script.scriptText, titleBytes + 96 * static_cast<size_t>(lastRowIndex + 1) + 32);
  size_t propertyStatements = 0;
  for (int32_t rowIndex = 0; rowIndex <= lastRowIndex; ++rowIndex) {
    propertyStatements += !rows[BookmarkField::openFlag].Get(rowIndex).empty();
    propertyStatements += !rows[BookmarkField::styleText].Get(rowIndex).empty();
  }
  ReserveLarge(script.propertyText, kPropertyStatementBytes * propertyStatements);

  // Each statement is put together in `statement` and then added to its text
  // in UTF-16, so the script is never held in a second encoding.
  framework::String statement;
  auto add = [&statement](framework::Utf16String& text) {
    framework::AppendUtf16(text, statement);
    statement.clear();
  };
  AppendRemoveStatement(statement);
  add(script.scriptText);

  // childIndex[k - 1] counts the level-k bookmarks since it was last reset, less one.
  std::array<int32_t, kLevels> childIndex = {-1, -1, -1, -1};
  for (int32_t rowIndex = 0; rowIndex <= lastRowIndex; ++rowIndex) {
    const double pageValue =
        (Val(rows[BookmarkField::pageText].Get(rowIndex)) - 1.0) + static_cast<double>(pageOffset);
    const int level = LevelOf(rows, rowIndex);
    if (level > 0) {
      // Level 4 raises its counter first; it is not part of its parent's path.
      if (level == kLevels) ++childIndex[kLevels - 1];
      AppendCreateChildStatement(statement, BookmarkPath(childIndex.data(), level - 1),
                                 rows[TitleField(level)].Get(rowIndex), Str(pageValue), rowIndex);
      add(script.scriptText);
      if (level < kLevels) {
        ++childIndex[level - 1];
        childIndex[level] = -1;
      }
      const BookmarkPath ownPath(childIndex.data(), level);
      const std::string_view open = OpenValue(rows[BookmarkField::openFlag].Get(rowIndex));
      if (!open.empty()) {
        AppendOpenStatement(statement, ownPath, open);
        add(script.propertyText);
      }
      const std::string_view style = rows[BookmarkField::styleText].Get(rowIndex);
      // The style is written as the number it reads as, never as raw code.
      if (!style.empty()) {
        AppendStyleStatement(statement, ownPath, RuntimeCvtReal64ToSInt32(Val(style)));
        add(script.propertyText);
      }
    }
    framework::RuntimeBackgroundTask();
  }
  return script;
}

}  // namespace yorvane
