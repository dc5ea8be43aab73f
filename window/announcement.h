// What a screen reader is told after compute and after clear, the same from
// every window. Standard C++ only.
#pragma once

#include <string_view>

#include "window/controls.h"

namespace dd {

// After a compute that listed `count` numbers from `start` to `end` (the
// bounds as the boxes show them).
Text ComputedAnnouncement(std::u16string_view start, std::u16string_view end, int count);
// After a clear.
Text ClearedAnnouncement();

}  // namespace dd
