#include "framework/ui/property_blob.h"

#include <cassert>

namespace framework {

void PropertyBlobWriter::AppendName(std::string_view name) {
  assert(!name.empty());
  blob_.append(name);
  blob_.push_back(' ');
}

void PropertyBlobWriter::AppendInt32(uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) blob_.push_back(static_cast<char>(value >> shift));
}

PropertyBlobWriter& PropertyBlobWriter::Int32(std::string_view name, int32_t value) {
  AppendName(name);
  AppendInt32(static_cast<uint32_t>(value));
  return *this;
}

PropertyBlobWriter& PropertyBlobWriter::Boolean(std::string_view name, bool value) {
  AppendName(name);
  blob_.push_back(value ? '\x01' : '\x00');
  return *this;
}

PropertyBlobWriter& PropertyBlobWriter::String(std::string_view name, std::string_view value) {
  AppendName(name);
  AppendInt32(static_cast<uint32_t>(value.size()));
  blob_.append(value);
  return *this;
}

PropertyBlobWriter& PropertyBlobWriter::Color(std::string_view name, framework::Color value) {
  AppendName(name);
  blob_.push_back(static_cast<char>(value.red));
  blob_.push_back(static_cast<char>(value.green));
  blob_.push_back(static_cast<char>(value.blue));
  return *this;
}

}  // namespace framework
