// The web page with a fault injector on its controls, for the window cases
// that make a control fail: the page's tests arm it through dd_test_fail_on.
#include <emscripten.h>

#include <string>

#include "tests/support/fault_injector.h"
#include "window/form_design.h"
#include "window/web/page.h"
#include "window/web/start.h"

namespace {

dd::support::FaultInjector hook;

}  // namespace

// Makes an operation on a control fail after `calls_before` successful
// calls, until dd_test_disarm: the exchange buffer holds the `length` units
// of the control's role name and the operation's, with a blank between, as
// the window cases name them ("Digits AddItem"). 0 when the names are no
// role and operation.
extern "C" EMSCRIPTEN_KEEPALIVE int dd_test_fail_on(int length, int calls_before) {
  const char16_t* units = dd::web::page::Exchange(static_cast<std::size_t>(length));
  const std::string names(units, units + length);
  const std::size_t blank = names.find(' ');
  const auto role = dd::design::RoleNamed(names.substr(0, blank));
  const auto operation =
      dd::support::OperationNamed(blank == std::string::npos ? "" : names.substr(blank + 1));
  if (!role || !operation) {
    return 0;
  }
  const dd::design::ControlDesign& d = dd::design::Of(*role);
  hook.FailOn(d.array, d.index, *operation, calls_before);
  return 1;
}

extern "C" EMSCRIPTEN_KEEPALIVE void dd_test_disarm() {
  hook.Disarm();
}

int main() {
  dd::web::Start(&hook);
  return 0;
}
