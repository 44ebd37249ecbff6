#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "framework/text.h"
#include "framework/ui/class_record.h"

namespace framework {

// A named file type. Setting a value first takes back a registration made
// earlier; Convert registers the type, once, and gives its name. The
// destructor takes the registration back.
class FileType {
 public:
  FileType() = default;
  ~FileType();
  FileType(const FileType&) = delete;
  FileType& operator=(const FileType&) = delete;

  static const ClassRecord& Lookup();

  const String& Name() const { return name_; }
  const String& Extensions() const { return extensions_; }
  const String& MacType() const { return macType_; }
  const String& MacCreator() const { return macCreator_; }
  bool Registered() const { return registered_; }

  void SetName(std::string_view name);
  // Entries with their leading dot, separated by ";".
  void SetExtensions(std::string_view extensions);
  void SetMacType(std::string_view macType);
  void SetMacCreator(std::string_view macCreator);

  // The conversion to text: registers the type if it is not yet registered.
  String Convert();

 private:
  void Deregister();

  String extensions_;
  String macCreator_;
  String macType_;
  String name_;
  bool registered_ = false;
};

// A type as the registry holds it; extensions without their dots, lower case.
struct RegisteredFileType {
  String name;
  String macCreator;
  String macType;
  std::vector<String> extensions;
};

// Registers a type under `name`, replacing one of the same name.
void RuntimeRegisterFileType(std::string_view name, std::string_view macCreator,
                             std::string_view macType, std::string_view extensions);
// Takes the registration of `name` back; nothing happens for a name not registered.
void RuntimeDeregisterFileType(std::string_view name);
// The registered type of that name, none when there is none.
std::optional<RegisteredFileType> FindRegisteredFileType(std::string_view name);

}  // namespace framework
