// The window's controls kept in memory, as the design lays them out: used by
// the tests and the benchmarks, which run the logic without a window.
#pragma once

#include <memory>

#include "window/controls.h"

namespace dd {

std::unique_ptr<ControlSet> MakeMemoryControls();

}  // namespace dd
