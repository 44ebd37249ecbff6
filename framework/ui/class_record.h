#pragma once

#include <memory>
#include <string>
#include <vector>

namespace framework {

// What the framework knows of a class: its runtime name, its parent and its
// own operations in class-table order. Records live until the process ends.
struct ClassRecord {
  std::string runtimeName;
  const ClassRecord* parent = nullptr;
  std::vector<std::string> operations;
};

// Builds a class's record the first time and keeps it in `slot`; later calls
// return the record in `slot` unchanged. `parent` is looked up by the caller
// before the call, so a parent is always built before its child.
const ClassRecord& BuildClassRecord(const ClassRecord*& slot, std::string runtimeName,
                                    const ClassRecord* parent,
                                    std::vector<std::string> operations = {});

// Every record built so far, in the order it was built.
const std::vector<const ClassRecord*>& ClassRecordsInBuildOrder();

// Builds the records of the framework's own classes, the window list right
// after Window's; FileType is left to the caller, which builds it next.
void RuntimeInitializeFrameworkClasses();

}  // namespace framework
