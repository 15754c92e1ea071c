// A whole batch: the window's start-up sequence, then one generation cycle
// with "All" ticked per inn, each inn formatted and handed to the output.
#pragma once

#include <ostream>

#include "cli/BatchOptions.h"

namespace brewick {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;   // a scene file or the output failed
inline constexpr int kExitRefused = 2;  // a bad command line or BREWICK_SEED

// Gives the exit status; messages go to `errors`.
int runBatch(const BatchOptions& options, std::ostream& errors);

}  // namespace brewick
