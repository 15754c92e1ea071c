#include "core/RandomSource.h"

namespace brewick {

// Out of line: the one place that emits the class's virtual table.
RandomSource::~RandomSource() = default;

}  // namespace brewick
