#pragma once

#include <exception>
#include <functional>
#include <string>

namespace framework {

using UnhandledExceptionReporter =
    std::function<void(const std::string& className, const std::string& message)>;

// Replaces the modal message of the unhandled-exception report; an empty
// reporter brings the message back. Tests observe reports through it.
void SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter);

// Reports an exception that no handler of the program took, after which the
// program goes on. A modal message titled with ApplicationDisplayName() says
// first, in the interface's Japanese, what went wrong: a compiled script's own
// error output, or the file and the system's reason for an IOException; its
// details hold the class and the message, which name the script and its
// status. The reporter, when set, gets the class and the message instead.
// Without a running application the report goes to stderr.
void RuntimeUnhandledException(std::exception_ptr exception);

// Whether a report was made since the run-time started.
bool RuntimeReportedUnhandledException();
void ResetUnhandledExceptionState();

// Runs `handler` for the toolkit: an exception that leaves it is reported
// and goes no further, so nothing unwinds through the toolkit's frames.
void CallHandler(const std::function<void()>& handler) noexcept;

}  // namespace framework
