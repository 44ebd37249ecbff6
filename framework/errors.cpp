#include "framework/errors.h"

#include <cstring>

namespace framework {

IOException MakeIOException(const std::string& action, const std::string& path, int errorNumber) {
  return IOException(action + " \"" + path + "\": " + std::strerror(errorNumber), errorNumber,
                     path);
}

}  // namespace framework
