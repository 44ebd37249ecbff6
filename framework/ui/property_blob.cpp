#include "framework/ui/property_blob.h"

#include <cassert>

#include "framework/encoding.h"
#include "framework/errors.h"
#include "framework/ui/properties.h"

namespace framework {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads one blob from its start to its end.
class BlobReader {
 public:
  explicit BlobReader(std::string_view blob) : blob_(blob) {}

  bool AtEnd() const { return position_ == blob_.size(); }

  std::string_view Name() {
    // Until its value is read, a fault lies in the name and names no entry.
    name_ = {};
    size_t start = position_;
    while (position_ < blob_.size() && IsAsciiLetter(blob_[position_])) ++position_;
    std::string_view name = blob_.substr(start, position_ - start);
    if (name.empty() || position_ == blob_.size() || blob_[position_] != ' ') {
      Fail("a property name followed by a blank", start);
    }
    ++position_;
    return name;
  }

  PropertyValue Value(PropertyType type, std::string_view name) {
    name_ = name;
    switch (type) {
      case PropertyType::kInt32:
        return static_cast<int32_t>(ReadUInt32());
      case PropertyType::kBoolean: {
        uint8_t byte = Bytes(1)[0];
        if (byte > 1) Fail("a Boolean of 00 or 01", position_ - 1);
        return byte == 1;
      }
      case PropertyType::kString: {
        uint32_t length = ReadUInt32();
        std::string_view text = Bytes(length);
        if (!IsValidUtf8(text)) Fail("UTF-8 text", position_ - length);
        return framework::String(text);
      }
      case PropertyType::kColor: {
        std::string_view bytes = Bytes(3);
        return framework::Color{static_cast<uint8_t>(bytes[0]), static_cast<uint8_t>(bytes[1]),
                                static_cast<uint8_t>(bytes[2])};
      }
    }
    Fail("a known property type", position_);
  }

  [[noreturn]] void Fail(const std::string& expected, size_t at) const {
    std::string where = name_.empty() ? "" : " in the value of \"" + std::string(name_) + "\"";
    throw UnsupportedFormatException("Property blob: expected " + expected + " at byte " +
                                     std::to_string(at) + where);
  }

 private:
  std::string_view Bytes(size_t count) {
    if (blob_.size() - position_ < count) Fail(std::to_string(count) + " more bytes", position_);
    std::string_view bytes = blob_.substr(position_, count);
    position_ += count;
    return bytes;
  }

  uint32_t ReadUInt32() {
    std::string_view bytes = Bytes(4);
    uint32_t value = 0;
    for (char c : bytes) value = (value << 8) | static_cast<uint8_t>(c);
    return value;
  }

  std::string_view blob_;
  size_t position_ = 0;
  std::string_view name_;
};

}  // namespace

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

void SetProperties(PropertyHolder& holder, const framework::String& blob) {
  PropertyTable table;
  holder.DescribeProperties(table);
  BlobReader reader(blob);
  while (!reader.AtEnd()) {
    std::string_view name = reader.Name();
    const PropertyTable::Entry* entry = table.Find(name);
    if (!entry) {
      throw UnsupportedFormatException("Property blob: no property named \"" + std::string(name) +
                                       "\"");
    }
    entry->apply(reader.Value(entry->type, name));
  }
}

}  // namespace framework
