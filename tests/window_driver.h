// What the window scenarios (window_scenarios.cpp) need of a real window:
// keys, clicks and what it shows, asked for by the controls' roles. Each
// window test program (Qt on Xvfb, Win32 under Wine) implements it on its own
// toolkit and compiles the same scenarios over it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fault_injector.h"
#include "window/controls.h"
#include "window/form_design.h"

namespace dd::testing {

using design::Role;

// The name a control's object has, its array and index: "Text2(0)".
inline std::string NameOf(Role role) {
  return ControlId{design::Of(role).array, design::Of(role).index}.ToString();
}

enum class Key {
  Tab,
  Return,
  KeypadEnter,
  Space,
  Home,
  End,
  Left,
  Right,
  Up,
  Down,
  Backspace,
  Delete
};

// How a user zooms the window: Ctrl with '+' as typed (Shift and the key
// that has it), with that key alone ('='), with the keypad's; Ctrl with the
// mouse wheel; and the same for smaller, and Ctrl+0.
enum class ZoomGesture {
  CtrlPlus,
  CtrlEquals,
  CtrlKeypadPlus,
  CtrlWheelUp,
  CtrlMinus,
  CtrlKeypadMinus,
  CtrlWheelDown,
  CtrlZero
};

struct Rect {
  int left, top, width, height;
  bool operator==(const Rect&) const = default;
};

// A capture of the window's client area, one colour a pixel, top row first.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<design::Rgb> pixels;
  design::Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Whether the pixels of a rectangle differ between two captures.
inline bool Differs(const Capture& a, const Capture& b, const Rect& r) {
  for (int y = r.top; y < r.top + r.height; ++y) {
    for (int x = r.left; x < r.left + r.width; ++x) {
      const design::Rgb p = a.At(x, y);
      const design::Rgb q = b.At(x, y);
      if (p.red != q.red || p.green != q.green || p.blue != q.blue) {
        return true;
      }
    }
  }
  return false;
}

struct FontInfo {
  Text family;  // the face asked for, or where the toolkit resolves it, the face used
  int points;
};

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  // The window's caption and its client area in pixels.
  virtual Text Title() = 0;
  virtual Rect ClientArea() = 0;
  // Twips in pixels at the window's scale.
  virtual int Pixels(int twips) = 0;
  // Whether the window can be resized or maximised by the user (a maximise
  // button counts).
  virtual bool Resizable() = 0;
  // The window zoomed as a user does it, by real key or wheel events that
  // reach it as any user's do, not by its own calls.
  virtual void Zoom(ZoomGesture gesture) = 0;
  // The part of the screen a window may take, and the window with its frame.
  virtual Rect ScreenArea() = 0;
  virtual Rect FrameArea() = 0;

  // The control with the keyboard focus; nothing when it is none of the
  // window's shown controls.
  virtual std::optional<Role> Focused() = 0;
  virtual void Focus(Role role) = 0;
  // Characters typed into the focused control, one key each.
  virtual void Type(std::u16string_view text) = 0;
  // A key pressed in the focused control, with Shift if asked.
  virtual void Press(Key key, bool shift = false) = 0;
  // Ctrl with a letter ('A', 'C', 'V', 'Z') in the focused control.
  virtual void PressCtrl(char letter) = 0;
  // Alt with a letter, typed as the Bulgarian keyboard layout types it.
  virtual void PressAlt(char16_t letter) = 0;
  // A mouse click on a button.
  virtual void Click(Role button) = 0;
  // Replaces a text box's whole text, as the program writes.
  virtual void Write(Role box, std::u16string_view text) = 0;

  virtual Text TextOf(Role role) = 0;
  virtual bool ReadOnly(Role box) = 0;
  // The caret's position and the selection's length in a one-line box.
  virtual int Caret(Role box) = 0;
  // The shown control's rectangle in the client area, in pixels.
  virtual Rect RectOf(Role role) = 0;
  // Whether a control of that role is shown at all.
  virtual bool Shown(Role role) = 0;
  virtual FontInfo FontOf(Role role) = 0;
  virtual Capture Grab() = 0;
  // How many list controls the window shows.
  virtual int ListsShown() = 0;
  // Whether a multi-line box has a vertical scroll bar with something to
  // scroll.
  virtual bool ScrollsVertically(Role box) = 0;
  // The name a screen reader gives the control.
  virtual Text AccessibleNameOf(Role role) = 0;

  // The result list's items, and which of them are selected.
  virtual std::vector<Text> Items() = 0;
  virtual int SelectedCount() = 0;
  // The result list's current row (where its keyboard caret is); -1: none.
  virtual int CurrentRow() = 0;
  // Selects exactly these rows of the result list, by mouse or message.
  virtual void SelectRows(const std::vector<int>& rows) = 0;
  // Opens the result list's context menu from the keyboard and reads its
  // items (their texts, without the shortcuts a toolkit appends) and
  // whether each is enabled; then closes it.
  virtual std::vector<std::pair<Text, bool>> ResultsMenu() = 0;

  // The clipboard's text, split into its lines.
  virtual std::vector<Text> ClipboardLines() = 0;
  virtual void SetClipboard(std::u16string_view text) = 0;

  // Does `action`, answers the message box it opens and returns the box's
  // title and text; both empty when none opened.
  virtual std::pair<Text, Text> ReportOf(const std::function<void()>& action) = 0;
  // Whether any message box or menu is open.
  virtual bool ModalOpen() = 0;
};

// The window test programs each define these: the window made afresh for
// every scenario, with `hook` shown every control operation.
std::unique_ptr<WindowDriver> MakeWindowDriver(ControlHook& hook);

// The fixture of every shared scenario.
class WindowScenario : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeWindowDriver(hook); }
  void TearDown() override { window.reset(); }

  // The text of a box or list, as the user sees it.
  Text Shown(Role role) { return window->TextOf(role); }
  void ExpectCleared();

  support::FaultInjector hook;
  std::unique_ptr<WindowDriver> window;
};

}  // namespace dd::testing
