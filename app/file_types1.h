#pragma once

#include <memory>

#include "framework/ui/file_type.h"

namespace yorvane {

// The file types the program registers at start-up. The rest of the program
// names "text/plain" by its text, never through pText.
namespace FileTypes1 {

// "text/plain", and "special/any", which nothing uses; none until
// Initialize, and again after shut-down releases them.
extern std::unique_ptr<framework::FileType> pText;
extern std::unique_ptr<framework::FileType> pAny;

// Makes, fills and registers both types.
void Initialize();

}  // namespace FileTypes1

}  // namespace yorvane
