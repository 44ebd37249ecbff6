#pragma once

#include <cstdint>

#include "framework/encoding.h"
#include "framework/text.h"
#include "script_generation/bookmark_list.h"

namespace yorvane {

// The two texts of the bookmark script, in UTF-16 as the file holds them; the
// file holds scriptText followed by propertyText.
struct BookmarkScript {
  framework::Utf16String scriptText;    // the remove statement, then one createChild per bookmark
  framework::Utf16String propertyText;  // the open and style statements, in row order
};

// Turns the stored rows into the bookmark script. A row's level is given by
// its leftmost non-empty title column; a row without one adds nothing but
// still uses up its rowIndex. Every page is Val(pageText) - 1 + pageOffset.
BookmarkScript BuildBookmarkScript(const BookmarkColumns& rows, int32_t pageOffset);

}  // namespace yorvane
