#include "window/web/start.h"

#include <emscripten.h>

#include <exception>
#include <memory>
#include <vector>

#include "window/presentation.h"
#include "window/texts.h"
#include "window/typing_limit.h"
#include "window/web/page.h"
#include "window/web/web_window.h"
#include "window/zoom.h"

namespace dd::web {
namespace {

std::unique_ptr<WebWindow> window;

// The role of a shown control the page names by its number, if it is one.
std::optional<design::Role> ShownRole(int number) {
  if (number < 0 || static_cast<std::size_t>(number) >= design::kRoleCount ||
      !present::Shows(static_cast<design::Role>(number))) {
    return std::nullopt;
  }
  return static_cast<design::Role>(number);
}

}  // namespace

void Start(ControlHook* hook) {
  try {
    window = std::make_unique<WebWindow>(hook);
  } catch (const std::exception&) {
    page::Call(u"failed", std::nullopt, texts::kStartupFailure);
  }
}

}  // namespace dd::web

using dd::web::ShownRole;
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
  const std::optional<dd::design::Role> box = ShownRole(role);
  if (!box || inserted_length < 0 || kept < 0) {
    return 0;
  }
  const auto length = static_cast<std::size_t>(inserted_length);
  char16_t* buffer = dd::web::page::Exchange(length);
  const dd::Text fitted =
      dd::FitInsertion(std::u16string_view(buffer, length), static_cast<std::size_t>(kept),
                       dd::present::TypingLimitOf(*box));
  fitted.copy(buffer, fitted.size());
  return static_cast<int>(fitted.size());
}

// Whether a user's edit of a number box stands that turns its text before
// (the first `before_length` units of the exchange buffer) into the one after
// it (the `after_length` units that follow).
EMSCRIPTEN_KEEPALIVE int dd_allowed(int role, int before_length, int after_length) {
  const std::optional<dd::design::Role> box = ShownRole(role);
  if (!box || before_length < 0 || after_length < 0) {
    return 0;
  }
  const auto before = static_cast<std::size_t>(before_length);
  const auto after = static_cast<std::size_t>(after_length);
  const char16_t* buffer = dd::web::page::Exchange(before + after);
  return dd::IsAllowedEdit({buffer, before}, {buffer + before, after},
                           dd::present::TypingLimitOf(*box))
             ? 1
             : 0;
}

// A click on a button, from the mouse or the keyboard.
EMSCRIPTEN_KEEPALIVE void dd_press(int role) {
  if (const std::optional<dd::design::Role> button = ShownRole(role); window && button) {
    window->Press(*button);
  }
}

// Return or Enter in a one-line box; `touch`: from a touch screen's own
// keyboard.
EMSCRIPTEN_KEEPALIVE void dd_enter(int role, int touch) {
  if (const std::optional<dd::design::Role> box = ShownRole(role); window && box) {
    window->Enter(*box, touch != 0);
  }
}

// How large the designed window is shown in a view of that many CSS pixels
// at the browser's zoom of 100 %, with a mouse or (`touch`) on a touch
// screen, in thousandths: 1000 below the size it fills from.
EMSCRIPTEN_KEEPALIVE int dd_view_scale(int width, int height, int touch) {
  return dd::zoom::ViewScale(width, height, dd::present::TheWindow().page_margin, touch != 0);
}

// Which items of the result list's menu are enabled while `selected` of its
// `items` are selected: a bit for each, the first the lowest.
EMSCRIPTEN_KEEPALIVE int dd_menu(int selected, int items) {
  int enabled = 0;
  const auto menu = dd::present::ResultsMenu(static_cast<std::size_t>(selected < 0 ? 0 : selected),
                                             static_cast<std::size_t>(items < 0 ? 0 : items));
  for (std::size_t i = 0; i < menu.size(); ++i) {
    enabled |= menu[i].enabled ? 1 << i : 0;
  }
  return enabled;
}

// What a copy of the result list puts on the clipboard, of the `count`
// items whose flags (1: selected) the exchange buffer holds: the text goes
// to the start of the buffer, and its length is returned.
EMSCRIPTEN_KEEPALIVE int dd_copy(int count) {
  if (!window || count < 0) {
    return 0;
  }
  const char16_t* flags = dd::web::page::Exchange(static_cast<std::size_t>(count));
  std::vector<bool> selected(flags, flags + count);
  const dd::Text copied = window->CopyOfResults(selected);
  copied.copy(dd::web::page::Exchange(copied.size()), copied.size());
  return static_cast<int>(copied.size());
}

}  // extern "C"
