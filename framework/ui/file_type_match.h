#pragma once

#include <string_view>

#include "framework/folder_item.h"

namespace framework {

// Whether `item` is a file of the registered type `typeName`: one of the
// type's extensions in any case, or, when the type's name is a MIME type,
// a file whose MIME type is that type or a kind of it (a list saved as .tsv
// or .csv is text/plain). A folder or a name not registered matches nothing.
bool FileMatchesType(const FolderItem& item, std::string_view typeName);

}  // namespace framework
