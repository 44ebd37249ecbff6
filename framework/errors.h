#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

namespace framework {

// The base of every exception the framework raises. What() holds the message;
// ClassName() is the runtime class name shown by the unhandled-exception report.
class RuntimeException : public std::exception {
 public:
  explicit RuntimeException(std::string message, int32_t errorNumber = 0)
      : message_(std::move(message)), errorNumber_(errorNumber) {}

  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }
  int32_t ErrorNumber() const { return errorNumber_; }
  virtual const char* ClassName() const { return "RuntimeException"; }

 private:
  std::string message_;
  int32_t errorNumber_;
};

// Raised when a reference that is none is used.
class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const override { return "NilObjectException"; }
};

// Raised when a file cannot be created, written or replaced. ErrorNumber() is
// the system's error code (errno); the message names the file and the reason.
class IOException : public RuntimeException {
 public:
  explicit IOException(std::string message, int32_t errorNumber = 0, std::string path = {})
      : RuntimeException(std::move(message), errorNumber), path_(std::move(path)) {}
  const char* ClassName() const override { return "IOException"; }

  // The file, as the system names it; empty when not known.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Raised when a compiled script cannot be run or ends in failure. ErrorNumber()
// is the system error code when it could not be started, else its exit status
// (128 plus the signal number when a signal ended it); the message names the
// script and holds its error output.
class CompiledScriptException : public RuntimeException {
 public:
  explicit CompiledScriptException(std::string message, int32_t errorNumber = 0, int32_t script = 0,
                                   std::string errorOutput = {})
      : RuntimeException(std::move(message), errorNumber),
        script_(script),
        errorOutput_(std::move(errorOutput)) {}
  const char* ClassName() const override { return "CompiledScriptException"; }

  // The script's number.
  int32_t Script() const { return script_; }
  // What the script wrote to its standard error, without the line ends that
  // close it; empty when it wrote nothing or never started.
  const std::string& ErrorOutput() const { return errorOutput_; }

 private:
  int32_t script_;
  std::string errorOutput_;
};

// Raised when a cast to a class fails: the object is of another class.
class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const override { return "IllegalCastException"; }
};

// Raised when data does not have the form its reader expects.
class UnsupportedFormatException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const override { return "UnsupportedFormatException"; }
};

// An IOException for `path` whose reason is the system error `errorNumber`.
IOException MakeIOException(const std::string& action, const std::string& path, int errorNumber);

}  // namespace framework
