#pragma once

#include <cstdint>
#include <string>

// Writes a bookmark list of `rows` rows to `path`, the same bytes for the same
// `rows` and `start`: a column-title line first, then mostly bookmark rows of
// levels 1 to 4 with Japanese titles of about twenty characters and rising
// pages, some with an open flag or a style, and a few empty lines. Returns
// the number of bytes written; exits the process when the file cannot be
// written, as a benchmark cannot go on without it.
uint64_t WriteBookmarkList(const std::string& path, int64_t rows, uint64_t start = 2024);
