#pragma once

#include <exception>

namespace yorvane {

// The program's run, from the process entry to its exit status. RunProgram
// is all of it; tests run it whole, or its steps one by one.

// Builds the class records: the framework's, then FileType, then App,
// Window1 and MenuBar1.
void initialize();

// Starts the framework with Startup and runs the event loop. Any exception
// that leaves them is reported as unhandled; Main then returns normally.
void Main();

// Registers the file types, makes the application object with the shared
// menu bar, then makes the main window. No step is skipped or retried: an
// exception ends the start-up where it is raised.
void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();

// Hands `exception` to the framework's unhandled-exception report.
void UnhandledException(std::exception_ptr exception);

// Releases the globals: the framework's, then the menu bar, then the file
// types "text/plain" and "special/any".
void finalize();

// The whole run, under the name kApplicationName; the result is the process
// exit status. The arguments are passed to the run-time alone: the program
// reads none.
int RunProgram(int argc, char** argv);

}  // namespace yorvane
