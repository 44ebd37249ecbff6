#pragma once

#include <vector>

#include "framework/text.h"
#include "framework/variant.h"

namespace yorvane {

// The two compiled scripts that reach Adobe Acrobat. Each passes the elements
// of `scriptParams` in order, an Int32 as an integer and anything else as its
// text, and gives the script's result. A script that cannot run or fails
// raises framework::CompiledScriptException.

// Script 168: makes Acrobat the active application.
framework::String activeacrobat(const std::vector<framework::Variant>& scriptParams);

// Script 169: has Acrobat run the script file whose path is the one parameter
// on the document open in it.
framework::String as_acrobat(const std::vector<framework::Variant>& scriptParams);

}  // namespace yorvane
