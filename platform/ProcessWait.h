// Waiting for another process to end while the window keeps painting.
#pragma once

#include <sys/types.h>

namespace brewick {

// Returns once the child process `pid` has ended, and reaps it. Events keep
// being handled meanwhile; the caller decides what input may do.
void waitForChildProcess(pid_t pid);

}  // namespace brewick
