// The program's run: the application object, the window, the event loop.
#pragma once

#include <functional>

namespace dd {

class MainFormWindow;

// Creates the application and the window, raises the start-up event, shows
// the window and runs the event loop until the window is closed. `shown` is
// called once the window has been asked to show (benchmarks use it).
int RunApplication(int argc, char* argv[],
                   const std::function<void(MainFormWindow&)>& shown = nullptr);

}  // namespace dd
