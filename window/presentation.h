// How every window presents the window and each control it shows, decided
// once from the design: the widget that shows it, its place in pixels for a
// DPI and a zoom, its colours, its caption with the access key marked, the
// name a screen reader gives it, the keys that reach it, what Enter does in
// it; and the result list's menu. A platform's window makes its widgets
// from this and hands their events on; it reads nothing of the design table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"
#include "window/form_design.h"
#include "window/texts.h"

namespace dd::present {

using design::Rgb;
using design::Role;

// What shows a control: the window's title, a caption that names a box, the
// result list, a one-line number box, the multi-line task statement, a
// button.
enum class Widget { Title, Caption, List, NumberBox, TextArea, Button };
// Its name, as the web page and the exported design call it.
std::string_view NameOf(Widget widget);

struct Rect {
  int left, top, width, height;
  bool operator==(const Rect&) const = default;
};

// A button's colours: its face, its border and face while pressed (darker),
// its border while it has the focus, its text; and its border's width in
// pixels at the design's 96 dpi.
struct Shades {
  Rgb face, border, pressed, focused, text;
  int border_width;
};

// What Enter does in a number box: nothing, compute, or (on a touch screen's
// keyboard) go on to the next box, as the keyboard's Enter key says.
enum class EnterKey { None, Compute, Next };

// What a control is and does, known at compile time (the web page's program
// asks no more of the presentation than this): whether a window shows it,
// the widget that shows it, what Enter does in it and where a touch screen's
// Enter goes on to from it, and how many characters a user may type into it
// (0: no limit).
constexpr bool Shows(Role role) {
  return !design::Of(role).hidden;
}
constexpr Widget WidgetOf(Role role) {
  const design::ControlDesign& d = design::Of(role);
  switch (d.kind) {
    case design::Kind::Label:
      return design::IsCaption(role) ? Widget::Caption : Widget::Title;
    case design::Kind::ListBox:
      return Widget::List;
    case design::Kind::TextBox:
      return d.multi_line ? Widget::TextArea : Widget::NumberBox;
    case design::Kind::CommandButton:
      break;
  }
  return Widget::Button;
}
constexpr EnterKey EnterOf(Role role) {
  return design::NextOnTouchEnter(role)  ? EnterKey::Next
         : design::ComputesOnEnter(role) ? EnterKey::Compute
                                         : EnterKey::None;
}
constexpr std::optional<Role> NextOf(Role role) {
  return design::NextOnTouchEnter(role);
}
constexpr std::size_t TypingLimitOf(Role role) {
  return static_cast<std::size_t>(design::Of(role).max_typed > 0 ? design::Of(role).max_typed : 0);
}

struct Control {
  Role role;
  Widget widget;
  std::string object_name;  // "Text2(0)": tests and tools find the control by it
  // A title's, caption's or button's text with its access key marked by
  // '&'; a text box's first text.
  std::u16string text;
  std::u16string name;  // what a screen reader calls it
  // Alt with this letter (lower case) reaches the control: presses the
  // button, or moves the focus to the box a caption names; 0: none.
  char16_t access_key = 0;
  // The keys that reach the control, as a screen reader tells them on the
  // control itself ("Alt+н" on the start box, not on its caption).
  std::u16string keys;
  std::optional<Rgb> background;  // none: the platform's own
  Rgb text_colour;                // on the designed background
  std::optional<Shades> shades;   // buttons
  bool centred = false;
  bool read_only = false;
  std::size_t max_typed = 0;    // characters a user may type; 0: no limit
  std::optional<Role> box;      // a caption: the box it names
  std::optional<Role> caption;  // a box: the caption that names it
  EnterKey enter = EnterKey::None;
  std::optional<Role> next;  // where a touch screen's Enter goes on to
  // A caption: the padding above its text, in pixels at the design's 96
  // dpi, that puts its line on its box's baseline where both centre their
  // line in the same font (the web page lays its captions out so).
  int caption_pad = 0;

  // The control's rectangle in pixels at `dpi`, zoomed to `percent`.
  Rect At(int dpi, int percent = 100) const;

  int twips_left = 0, twips_top = 0, twips_width = 0, twips_height = 0;
};

// Every control a window shows, in the window's document order (which Tab
// follows and screen readers read in); the digit list, never shown, is not
// among them.
const std::vector<Control>& Controls();
// The control of that role, which a window shows.
const Control& Of(Role role);

// The window itself.
struct Window {
  std::u16string_view caption;
  Rgb background;
  Rgb text_colour;  // on the background
  std::u16string_view font_family;
  int font_points;
  // The order Tab goes through the controls; the first has the focus when
  // the window opens.
  std::span<const Role> focus_order;
  // CSS pixels between the window and the edges of the web page it is on.
  int page_margin;
  // The client area's size in pixels at `dpi`, zoomed to `percent`.
  Rect At(int dpi, int percent = 100) const;
};
const Window& TheWindow();

// The result list's context menu, as it is while `selected` of its `items`
// are selected: copy while any is, select all while there is any item.
struct MenuItem {
  texts::ListCommand command;
  std::u16string_view text;  // the access key marked with '&'
  char16_t key;              // Ctrl with this letter runs it
  bool enabled;
};
std::array<MenuItem, texts::kResultsMenu.size()> ResultsMenu(std::size_t selected,
                                                             std::size_t items);
// What a copy of the list puts on the clipboard: the items whose position
// `selected` holds, in list order, each ended by a line break but the last.
Text CopyOf(const ListBox& list, const std::vector<bool>& selected);

}  // namespace dd::present
