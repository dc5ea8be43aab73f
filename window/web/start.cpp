#include "window/web/start.h"

#include <emscripten.h>

#include <exception>
#include <memory>

#include "window/form_design.h"
#include "window/texts.h"
#include "window/typing_limit.h"
#include "window/web/page.h"
#include "window/web/web_window.h"
#include "window/zoom.h"

namespace dd::web {
namespace {

std::unique_ptr<WebWindow> window;

// The role the page names, if it is one.
bool IsRole(int number) {
  return number >= 0 && static_cast<std::size_t>(number) < design::kRoleCount;
}

std::size_t LimitOf(int role) {
  return static_cast<std::size_t>(design::Of(static_cast<design::Role>(role)).max_typed);
}

}  // namespace

void Start(ControlHook* hook) {
  try {
    window = std::make_unique<WebWindow>(hook);
  } catch (const std::exception&) {
    page::Failed(texts::kStartupFailure);
  }
}

}  // namespace dd::web

using dd::web::IsRole;
using dd::web::LimitOf;
using dd::web::window;

extern "C" {

// The buffer the page leaves texts in for the calls below.
EMSCRIPTEN_KEEPALIVE char16_t* dd_exchange(int units) {
  return dd::web::page::Exchange(static_cast<std::size_t>(units < 0 ? 0 : units));
}

// What a number box keeps of the `inserted_length` units at the start of the
// exchange buffer when `kept` units of its text stay: the kept part goes to
// the start of the buffer, and its length is returned.
EMSCRIPTEN_KEEPALIVE int dd_fit(int role, int inserted_length, int kept) {
  if (!IsRole(role) || inserted_length < 0 || kept < 0) {
    return 0;
  }
  const auto length = static_cast<std::size_t>(inserted_length);
  char16_t* buffer = dd::web::page::Exchange(length);
  const dd::Text fitted = dd::FitInsertion(std::u16string_view(buffer, length),
                                           static_cast<std::size_t>(kept), LimitOf(role));
  fitted.copy(buffer, fitted.size());
  return static_cast<int>(fitted.size());
}

// Whether a user's edit of a number box stands that turns its text before
// (the first `before_length` units of the exchange buffer) into the one after
// it (the `after_length` units that follow).
EMSCRIPTEN_KEEPALIVE int dd_allowed(int role, int before_length, int after_length) {
  if (!IsRole(role) || before_length < 0 || after_length < 0) {
    return 0;
  }
  const auto before = static_cast<std::size_t>(before_length);
  const auto after = static_cast<std::size_t>(after_length);
  const char16_t* buffer = dd::web::page::Exchange(before + after);
  return dd::IsAllowedEdit({buffer, before}, {buffer + before, after}, LimitOf(role)) ? 1 : 0;
}

// A click on a button, from the mouse or the keyboard.
EMSCRIPTEN_KEEPALIVE void dd_press(int role) {
  if (window != nullptr && IsRole(role)) {
    window->Press(static_cast<dd::design::Role>(role));
  }
}

// Return or Enter in a one-line box; `touch`: from a touch screen's own
// keyboard.
EMSCRIPTEN_KEEPALIVE void dd_enter(int role, int touch) {
  if (window != nullptr && IsRole(role)) {
    window->Enter(static_cast<dd::design::Role>(role), touch != 0);
  }
}

// How large the designed window is shown in a view of that many CSS pixels
// at the browser's zoom of 100 %, with a mouse or (`touch`) on a touch
// screen, in thousandths: 1000 below the size it fills from.
EMSCRIPTEN_KEEPALIVE int dd_view_scale(int width, int height, int touch) {
  return dd::zoom::ViewScale(width, height, dd::web::kWindowMargin, touch != 0);
}

}  // extern "C"
