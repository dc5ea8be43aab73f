// The web page with a fault injector on its controls, for the test of the
// error report: the page's test arms it through dd_test_fail_on.
#include <emscripten.h>

#include "tests/support/fault_injector.h"
#include "window/form_design.h"
#include "window/web/start.h"

namespace {

dd::support::FaultInjector hook;

}  // namespace

// Makes `operation` (a ControlOperation's number) on the control of `role`
// fail after `calls_before` successful calls, until dd_test_disarm.
extern "C" EMSCRIPTEN_KEEPALIVE void dd_test_fail_on(int role, int operation, int calls_before) {
  const dd::design::ControlDesign& d = dd::design::Of(static_cast<dd::design::Role>(role));
  hook.FailOn(d.array, d.index, static_cast<dd::ControlOperation>(operation), calls_before);
}

extern "C" EMSCRIPTEN_KEEPALIVE void dd_test_disarm() {
  hook.Disarm();
}

int main() {
  dd::web::Start(&hook);
  return 0;
}
