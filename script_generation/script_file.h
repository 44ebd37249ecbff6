#pragma once

#include <string_view>

#include "script_generation/bookmark_tree.h"

namespace yorvane {

// The one output file. It is looked up as a bare name, so the generator and the
// Acrobat button name the same file: the process's working directory.
inline constexpr std::string_view kScriptFileName = "makebookmark.jsx";

// Writes `script` to "makebookmark.jsx": the UTF-16 byte-order mark, then
// scriptText and propertyText and nothing else, replacing the old file only once the new one
// is complete. Raises framework::IOException when the file cannot be resolved,
// the user may not write it, or it cannot be created, written or put in place;
// the old file then stays as it was. On a big-endian machine both texts are
// byte-swapped in place rather than copied: once the file is created, `script`
// holds them little-endian, not in the machine's order.
void WriteScriptFile(BookmarkScript& script);

}  // namespace yorvane
