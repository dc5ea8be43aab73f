// The program's window as a web page: standard HTML elements made from the
// design table, with the form's logic running on them through the control
// operations. The page (page.js) shows them; everything the window knows
// comes from the model in window/.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "window/build_controls.h"
#include "window/command_runner.h"
#include "window/controls.h"
#include "window/form_design.h"
#include "window/main_form.h"

namespace dd::web {

// Whether the page shows a control: every one but the digit list.
using Shown = bool;

class WebWindow final : private ControlHost<Shown> {
 public:
  // Makes the page's elements, raises the start-up event and gives the
  // focus to the control the window starts with. Every control operation is
  // shown to `hook` first, if one is given.
  explicit WebWindow(ControlHook* hook = nullptr);

  // A click on a button, from the mouse or the keyboard.
  void Press(design::Role button);
  // Return or Enter in a one-line box.
  void Enter(design::Role box);

 private:
  std::pair<std::unique_ptr<TextBox>, Shown> MakeTextBox(const design::ControlDesign& design,
                                                         ControlId id,
                                                         ControlHook* const& hook) override;
  Shown MakeWidget(const design::ControlDesign& design, Control& control) override;
  void Show(design::Role role);
  // Shows the result list as the handler left it, then the report of an
  // error or what a screen reader is told.
  void Conclude(const CommandOutcome& outcome);

  ControlSet controls_;
  const ListBox* results_ = nullptr;
  std::uint64_t presented_revision_ = 0;
  std::optional<MainForm> form_;  // made once the controls exist
};

}  // namespace dd::web
