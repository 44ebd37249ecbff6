#pragma once

#include "script_generation/generation_window.h"

namespace yorvane {

// One generation run: checks the chosen list, reads it, builds the bookmark
// script with the page offset of the window's field and writes
// "makebookmark.jsx", reporting each stage through window.SetST1. A list that
// is missing or cannot be read ends the run with its message and writes
// nothing. Errors in writing the file leave as framework::IOException, after
// "ファイル読み込み中" and before "JSX作成完了".
void fmakejsx(GenerationWindow& window);

}  // namespace yorvane
