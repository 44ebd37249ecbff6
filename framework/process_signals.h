#pragma once

namespace framework {

// Makes a write beyond the file-size limit (RLIMIT_FSIZE) fail with EFBIG,
// which the streams raise as IOException, instead of ending the process by
// SIGXFSZ. RuntimeInit calls it before anything is written; code that uses
// the file services without the run-time calls it as its start-up. Child
// processes that RunSubprocess starts get the default handling back.
void IgnoreFileSizeSignal();

}  // namespace framework
