#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "framework/text.h"

namespace yorvane {

// The statement forms of "makebookmark.jsx", each appended to a text and ended
// by a carriage return. A bookmark path is given by its level counters c1..cd;
// an empty path is bookmarkRoot itself.
using BookmarkPath = std::span<const int32_t>;

void AppendRemoveStatement(framework::String& text);

// <parent path>.createChild("<title>","this.pageNum=<page>",<rowIndex>);
// The title is written as a JavaScript string literal, so Acrobat shows the
// list's text whatever it holds.
void AppendCreateChildStatement(framework::String& text, BookmarkPath parentPath,
                                std::string_view title, std::string_view pageNumberText,
                                int32_t rowIndex);

// <path>.open = <openValue>   ("true" or "false")
void AppendOpenStatement(framework::String& text, BookmarkPath path, std::string_view openValue);

// <path>.style = <style>
void AppendStyleStatement(framework::String& text, BookmarkPath path, int32_t style);

// Appends `value` as a double-quoted JavaScript string literal.
void AppendJavaScriptString(framework::String& text, std::string_view value);

}  // namespace yorvane
