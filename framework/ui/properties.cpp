#include "framework/ui/properties.h"

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

}  // namespace framework
