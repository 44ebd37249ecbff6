#pragma once

#include <cstdint>
#include <string_view>

#include "framework/text.h"
#include "framework/ui/color.h"

namespace framework {

class PropertyHolder;

// Builds a property blob, the form SetProperties reads: entries one after the
// other, each the property's name in ASCII letters, one blank, then the value
// with no type tag. Int32 is 4 bytes big-endian, Boolean 1 byte (00 or 01),
// String a 4-byte big-endian byte count and the UTF-8 text, Color 3 bytes
// (red, green, blue). Nothing stands before, between or after the entries.
class PropertyBlobWriter {
 public:
  PropertyBlobWriter& Int32(std::string_view name, int32_t value);
  PropertyBlobWriter& Boolean(std::string_view name, bool value);
  PropertyBlobWriter& String(std::string_view name, std::string_view value);
  PropertyBlobWriter& Color(std::string_view name, framework::Color value);

  const framework::String& Blob() const { return blob_; }

 private:
  void AppendName(std::string_view name);
  void AppendInt32(uint32_t value);

  framework::String blob_;
};

// Reads `blob` (the form PropertyBlobWriter writes) entry by entry and sets
// each property on `holder` in turn. An unknown name, a value cut short, a
// Boolean byte other than 00 or 01, or a String that is not UTF-8 raises
// UnsupportedFormatException naming the entry; the entries before it stay set.
void SetProperties(PropertyHolder& holder, const framework::String& blob);

}  // namespace framework
