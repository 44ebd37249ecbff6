#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/window1.h"

namespace yorvane {

// A program started by the real start-up routine, its event loop not
// entered, and shut down again after the test. Records the unhandled
// exceptions reported meanwhile.
class StartedProgram : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the window and waits until the toolkit has painted it.
  void WaitUntilExposed();

  std::shared_ptr<class Window1> window_;
  std::vector<std::string> reports_;
};

// How long, in milliseconds, a test waits for the toolkit before it fails: a
// bound reached only when what it waits for never comes, however busy the
// machine.
constexpr int kPatience = 30000;

// Arguments for RuntimeInit and RunProgram.
int TestArgc();
char** TestArgv();

}  // namespace yorvane
