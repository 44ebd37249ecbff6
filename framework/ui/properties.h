#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/text.h"
#include "framework/ui/color.h"

namespace framework {

enum class PropertyType { kInt32, kBoolean, kString, kColor };

using PropertyValue = std::variant<int32_t, bool, framework::String, framework::Color>;

// The properties an object takes from a blob: for each name its type and
// what setting it does. Names match without regard to case.
class PropertyTable {
 public:
  struct Entry {
    std::string name;
    PropertyType type;
    std::function<void(const PropertyValue&)> apply;
  };

  void Int32(std::string name, std::function<void(int32_t)> apply);
  void Boolean(std::string name, std::function<void(bool)> apply);
  void String(std::string name, std::function<void(const framework::String&)> apply);
  void Color(std::string name, std::function<void(framework::Color)> apply);
  // A property this toolkit gives no look or behaviour of its own: its value
  // is kept where `store` says, to be read back.
  void Kept(std::string name, PropertyType type, std::map<std::string, PropertyValue>& store);

  const Entry* Find(std::string_view name) const;

 private:
  std::vector<Entry> entries_;
};

// An object whose properties a blob can set.
class PropertyHolder {
 public:
  virtual ~PropertyHolder() = default;

  // The value of a kept property (see PropertyTable::Kept); nullptr when the
  // property was never set.
  const PropertyValue* KeptProperty(std::string_view name) const;

 protected:
  friend void SetProperties(PropertyHolder& holder, const framework::String& blob);
  virtual void DescribeProperties(PropertyTable& table) = 0;

  std::map<std::string, PropertyValue> keptProperties_;
};

}  // namespace framework
