#pragma once

#include <cstdint>
#include <functional>

namespace framework {

// Starts the run-time: the toolkit's application (unless one exists, as in
// tests), the toolkit's own texts in the desktop's language where a
// translation is installed, and a fresh quit state. Without a display to
// open windows on it writes one line saying so to stderr and returns false;
// the program should then end with a non-zero status.
bool RuntimeInit(int argc, char** argv);

// Initialises the window layer and runs `startup` inside it. An exception
// that leaves `startup` leaves this call too.
void RunFrameworkInitialization(const std::function<void()>& startup);

// Runs the event loop until Quit; returns at once when Quit came first.
void RuntimeRun();

// Ends the event loop with `exitStatus`. Only the first Quit of a run
// counts; a later one, for instance while windows close, changes nothing.
void Quit(int32_t exitStatus = 0);
bool QuitRequested();

// The quit command: closes the open windows one by one, raising their Close
// events as their close buttons do, then quits. Always true (handled).
bool QuitMenuAction();

// Releases the framework's globals: windows still open (without their Close
// events), the application object, and toolkit objects awaiting deletion.
void RuntimeReleaseGlobals();

// Ends the run-time (and the toolkit's application, if RuntimeInit made
// it). The result is the process exit status: the one given to Quit; 1 when the program never
// quit because an unhandled exception was reported (a failed start-up);
// otherwise 0.
int32_t RuntimeExit();

}  // namespace framework
