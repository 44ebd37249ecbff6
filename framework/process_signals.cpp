#include "framework/process_signals.h"

#include <signal.h>

namespace framework {

void IgnoreFileSizeSignal() {
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, nullptr);
}

}  // namespace framework
