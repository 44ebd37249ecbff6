#include "framework/ui/file_type.h"

#include <algorithm>
#include <cctype>

#include "framework/ui/runtime_observer.h"

namespace framework {
namespace {

std::vector<RegisteredFileType>& Registry() {
  static std::vector<RegisteredFileType> registry;
  return registry;
}

std::vector<String> SplitExtensions(std::string_view list) {
  std::vector<String> extensions;
  while (!list.empty()) {
    size_t end = std::min(list.find(';'), list.size());
    std::string_view entry = list.substr(0, end);
    list.remove_prefix(std::min(end + 1, list.size()));
    if (entry.starts_with('.')) entry.remove_prefix(1);
    if (entry.empty()) continue;
    String extension(entry);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    extensions.push_back(extension);
  }
  return extensions;
}

}  // namespace

FileType::~FileType() { Deregister(); }

const ClassRecord& FileType::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "FileType", nullptr);
}

void FileType::Deregister() {
  if (!registered_) return;
  RuntimeDeregisterFileType(name_);
  registered_ = false;
}

void FileType::SetName(std::string_view name) {
  Deregister();
  name_ = name;
}

void FileType::SetExtensions(std::string_view extensions) {
  Deregister();
  extensions_ = extensions;
}

void FileType::SetMacType(std::string_view macType) {
  Deregister();
  macType_ = macType;
}

void FileType::SetMacCreator(std::string_view macCreator) {
  Deregister();
  macCreator_ = macCreator;
}

String FileType::Convert() {
  if (!registered_) {
    RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_);
    registered_ = true;
  }
  return name_;
}

void RuntimeRegisterFileType(std::string_view name, std::string_view macCreator,
                             std::string_view macType, std::string_view extensions) {
  RuntimeDeregisterFileType(name);
  Registry().push_back(
      {String(name), String(macCreator), String(macType), SplitExtensions(extensions)});
  NotifyRuntimeObserver("file type registered " + String(name));
}

void RuntimeDeregisterFileType(std::string_view name) {
  auto& registry = Registry();
  auto found = std::find_if(registry.begin(), registry.end(),
                            [name](const RegisteredFileType& type) { return type.name == name; });
  if (found == registry.end()) return;
  registry.erase(found);
  NotifyRuntimeObserver("file type deregistered " + String(name));
}

std::optional<RegisteredFileType> FindRegisteredFileType(std::string_view name) {
  for (const RegisteredFileType& type : Registry()) {
    if (type.name == name) return type;
  }
  return std::nullopt;
}

}  // namespace framework
