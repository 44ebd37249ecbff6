#pragma once

#include <array>
#include <string_view>

#include "framework/text_input_stream.h"
#include "script_generation/text_column.h"

namespace yorvane {

// The fields of one line of the bookmark list, in column order.
enum class BookmarkField {
  level1Title,
  level2Title,
  level3Title,
  level4Title,
  pageText,
  openFlag,
  styleText,
};
inline constexpr size_t kBookmarkFieldCount = 7;

// The title field of `level`, 1 to 4.
constexpr BookmarkField TitleField(int level) { return static_cast<BookmarkField>(level - 1); }

// A line that holds this text anywhere is a column-title line and is skipped.
inline constexpr std::string_view kHeaderMarker = "しおりLEVEL1";

// The stored rows of a list as seven parallel columns: row i (its rowIndex) is
// element i of every column.
class BookmarkColumns {
 public:
  const TextColumn& operator[](BookmarkField field) const {
    return columns_[static_cast<size_t>(field)];
  }
  // The last rowIndex, -1 when there is no row.
  int32_t UpperBound() const { return (*this)[BookmarkField::level1Title].UpperBound(); }
  // Divides `line` at TAB and appends fields 1 to 7, a missing field as the
  // empty text; whatever follows the seventh TAB is ignored.
  void StoreLine(std::string_view line);
  // Makes room for `lines` lines of `textBytes` in all, so that storing them
  // copies nothing twice.
  void Reserve(size_t textBytes, size_t lines);

 private:
  std::array<TextColumn, kBookmarkFieldCount> columns_;
};

// Reads `stream` to its end into `rows`, skipping every column-title line.
// The first line is always read, so an empty file gives one empty row.
void ReadBookmarkList(framework::TextInputStream& stream, BookmarkColumns& rows);

}  // namespace yorvane
