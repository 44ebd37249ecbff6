#include "framework/ui/properties.h"

#include "framework/encoding.h"
#include "framework/errors.h"

namespace framework {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads one blob from its start to its end.
class BlobReader {
 public:
  explicit BlobReader(std::string_view blob) : blob_(blob) {}

  bool AtEnd() const { return position_ == blob_.size(); }

  std::string_view Name() {
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

void PropertyTable::Int32(std::string name, std::function<void(int32_t)> apply) {
  entries_.push_back({std::move(name), PropertyType::kInt32,
                      [apply](const PropertyValue& v) { apply(std::get<int32_t>(v)); }});
}

void PropertyTable::Boolean(std::string name, std::function<void(bool)> apply) {
  entries_.push_back({std::move(name), PropertyType::kBoolean,
                      [apply](const PropertyValue& v) { apply(std::get<bool>(v)); }});
}

void PropertyTable::String(std::string name, std::function<void(const framework::String&)> apply) {
  entries_.push_back({std::move(name), PropertyType::kString,
                      [apply](const PropertyValue& v) { apply(std::get<framework::String>(v)); }});
}

void PropertyTable::Color(std::string name, std::function<void(framework::Color)> apply) {
  entries_.push_back({std::move(name), PropertyType::kColor,
                      [apply](const PropertyValue& v) { apply(std::get<framework::Color>(v)); }});
}

void PropertyTable::Kept(std::string name, PropertyType type,
                         std::map<std::string, PropertyValue>& store) {
  std::string key = name;
  entries_.push_back(
      {std::move(name), type, [&store, key](const PropertyValue& v) { store[key] = v; }});
}

const PropertyTable::Entry* PropertyTable::Find(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (SameName(entry.name, name)) return &entry;
  }
  return nullptr;
}

const PropertyValue* PropertyHolder::KeptProperty(std::string_view name) const {
  for (const auto& [key, value] : keptProperties_) {
    if (SameName(key, name)) return &value;
  }
  return nullptr;
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
