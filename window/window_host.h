// The window's life, the same on every platform: the controls made from the
// design table, the form over them, the start-up, and what each command
// leaves shown to the user. A platform's window derives from this and
// supplies only what differs between platforms: each widget (ControlHost),
// laying the widgets out, presenting the result list, showing a report,
// handing an announcement to its screen-reader bridge, moving the focus.
#pragma once

#include <cstdint>
#include <optional>

#include "window/build_controls.h"
#include "window/command_runner.h"
#include "window/controls.h"
#include "window/form_design.h"
#include "window/main_form.h"
#include "window/presentation.h"

namespace dd {

template <class Widget>
class WindowHost : protected ControlHost<Widget> {
 public:
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  // A click on the compute or the clear button, from the mouse or the
  // keyboard; any other role does nothing.
  void Press(design::Role button) {
    if (design::Of(button).kind == design::Kind::CommandButton) {
      Conclude(RunCommand(*form_, controls_, button));
    }
  }

  // Return or Enter in a number box: computes where the box does, or, from
  // a touch screen's own keyboard (`on_screen_keyboard`), goes on to the
  // next box where there is one, and after computing puts the keyboard away.
  void Enter(design::Role box, bool on_screen_keyboard = false) {
    if (const std::optional<design::Role> next = present::NextOf(box); on_screen_keyboard && next) {
      MoveFocus(*next);
    } else if (design::ComputesOnEnter(box)) {
      Press(design::Role::Compute);
      if (on_screen_keyboard) {
        PutKeyboardAway();
      }
    }
  }

 protected:
  // Every control operation is shown to `hook` first, if one is given.
  explicit WindowHost(ControlHook* hook) { controls_.SetHook(hook); }
  ~WindowHost() = default;

  // The start-up, in this order: the controls and their widgets, the form
  // over them, the platform's layout, the start-up event and what it left,
  // and the focus where the design puts it first. The platform's window
  // calls it once, from its constructor, when what its hooks use is made.
  void Start() {
    widgets_ = BuildControls(controls_, *this);
    form_.emplace(controls_);
    Arrange();
    Conclude(RunHandler([this] { form_->Form_Load(); }));
    MoveFocus(present::TheWindow().focus_order.front());
  }

  // Lays out and names the widgets made; the form exists by then.
  virtual void Arrange() = 0;
  // Shows the result list's items, after a handler changed them.
  virtual void PresentResults(const ListBox& results) = 0;
  // Tells the user of an error that stopped a handler.
  virtual void Report(const Text& message) = 0;
  // Hands what a finished command says to the screen-reader bridge.
  virtual void Announce(const Text& announcement) = 0;
  virtual void MoveFocus(design::Role role) = 0;
  // Puts a touch screen's keyboard away; only a window that has one does.
  virtual void PutKeyboardAway() {}

  // The list of the numbers found.
  const ListBox& Results() const {
    return controls_.List1(design::Of(design::Role::Results).index);
  }

  ControlSet controls_;
  design::ByRole<Widget> widgets_;

 private:
  // Shows whatever the handler left, finished or not, before any message;
  // the list only when it changed, as it may hold thousands of items.
  void Conclude(const CommandOutcome& outcome) {
    const ListBox& results = Results();
    if (results.Revision() != presented_revision_) {
      PresentResults(results);
      presented_revision_ = results.Revision();
    }
    if (!outcome.finished) {
      Report(outcome.error);
    } else if (!outcome.announcement.empty()) {
      Announce(outcome.announcement);
    }
  }

  std::optional<MainForm> form_;  // made once the controls exist
  std::uint64_t presented_revision_ = 0;
};

}  // namespace dd
