// The program's window as a web page: standard HTML elements made from the
// design table, with the form's logic running on them through the control
// operations. The page (page.js) shows them; everything the window knows
// comes from the model in window/.
#pragma once

#include <memory>
#include <utility>

#include "window/controls.h"
#include "window/form_design.h"
#include "window/window_host.h"

namespace dd::web {

// Whether the page shows a control: every one but the digit list.
using Shown = bool;

// CSS pixels between the designed window and the view's edges.
inline constexpr int kWindowMargin = 8;

class WebWindow final : public WindowHost<Shown> {
 public:
  // Makes the page's elements, raises the start-up event and gives the
  // focus to the control the window starts with. Every control operation is
  // shown to `hook` first, if one is given.
  explicit WebWindow(ControlHook* hook = nullptr);

  // Return or Enter in a one-line box, from an on-screen keyboard if
  // `on_screen_keyboard` (a touch screen's).
  void Enter(design::Role box, bool on_screen_keyboard);

 private:
  std::pair<std::unique_ptr<TextBox>, Shown> MakeTextBox(const design::ControlDesign& design,
                                                         ControlId id,
                                                         ControlHook* const& hook) override;
  Shown MakeWidget(const design::ControlDesign& design, Control& control) override;
  void Arrange() override;
  void PresentResults(const ListBox& results) override;
  void Report(const Text& message) override;
  void Announce(const Text& announcement) override;
  void MoveFocus(design::Role role) override;
  void Show(design::Role role);
};

}  // namespace dd::web
