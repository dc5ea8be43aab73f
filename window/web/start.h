// The web page's entry: makes the window once the page has loaded the
// module. The page then calls the module's exports (start.cpp) with the role
// numbers the program gave its elements.
#pragma once

#include "window/controls.h"

namespace dd::web {

// Makes the window, every control operation shown to `hook` if one is given;
// where that fails, the page says that the window could not be made.
void Start(ControlHook* hook = nullptr);

}  // namespace dd::web
