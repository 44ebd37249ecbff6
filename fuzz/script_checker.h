#pragma once

#include <optional>
#include <string>
#include <string_view>

// Checks that `script` is a bookmark script made only of the statement forms:
// the remove statement first, then createChild statements (on a path of 0 to
// 3 integer indexes, with a JavaScript string literal title, the page action
// "this.pageNum=<number literal>" and rising row indexes), then open and
// style statements (on a path of 1 to 4 indexes, with true/false or an
// integer), each ended by CR. Returns the first fault found, or empty when
// there is none.
std::string_view CheckBookmarkScript(std::string_view script);

// The UTF-8 text of `utf16`, a byte-order mark and UTF-16LE units; none when
// it holds a lone surrogate or an odd byte.
std::optional<std::string> Utf16ToUtf8(std::string_view utf16);
