#pragma once

#include <cstdint>
#include <string>

#include "framework/text.h"

namespace framework {

// Compiled scripts are programs kept outside the executable, one file per
// number in the folder "scripts" beside the executable, named by the number
// ("scripts/168"). A script runs as a process of its own, executed directly
// and never through a shell, with each parameter as one argument (an Int32
// as its decimal text), standard input empty, and the caller waiting until
// it ends. Its result is its standard output, less one final line feed.
//
// Running raises CompiledScriptException when the file is missing, is not
// executable or cannot be started, and when the script ends with a non-zero
// status or by a signal; the message holds the script's error output.

// Runs script `number` without parameters and gives its result.
String ScriptFunction(int32_t number);

// Starts a call of script `number` with parameters and gives its handle. The
// handle is valid until CompleteParamScriptFunction.
int32_t StartParamScript(int32_t number);
// Adds the next parameter of the call `handle`. An unknown handle raises
// NilObjectException.
void AddIntegerScriptParam(int32_t handle, int32_t value);
void AddStringScriptParam(int32_t handle, const String& value);
// Runs the call `handle` with its parameters in the order they were added,
// releases the handle whether or not it succeeds, and gives the result. An
// unknown handle raises NilObjectException.
String CompleteParamScriptFunction(int32_t handle);

// Takes the scripts from `folder` instead of the one beside the executable;
// the empty text goes back to that one. For tests.
void SetCompiledScriptFolder(std::string folder);

}  // namespace framework
