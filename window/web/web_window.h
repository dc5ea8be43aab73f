// The program's window as a web page: HTML elements that the page builds
// from the model's presentation of the window, with the form's logic running
// on them through the control operations. The page (script/page.js) shows
// them; everything the window knows comes from the model in window/.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "window/controls.h"
#include "window/presentation.h"
#include "window/window_host.h"

namespace dd::web {

// Whether the page shows a control: every one but the digit list.
using Shown = bool;

class WebWindow final : public WindowHost<Shown> {
 public:
  // Has the page build the window, raises the start-up event and gives the
  // focus to the control the window starts with. Every control operation is
  // shown to `hook` first, if one is given.
  explicit WebWindow(ControlHook* hook = nullptr);

  using WindowHost::Enter;
  using WindowHost::Press;
  // What a copy of the result list puts on the clipboard, of the items
  // `selected` holds.
  Text CopyOfResults(const std::vector<bool>& selected) const;

 private:
  std::pair<std::unique_ptr<TextBox>, Shown> MakeTextBox(design::Role role, ControlId id,
                                                         ControlHook* const& hook) override;
  Shown MakeWidget(design::Role role, Control& control) override;
  void Arrange() override;
  void PresentResults(const ListBox& results) override;
  void Report(const Text& message) override;
  void Announce(const Text& announcement) override;
  void MoveFocus(design::Role role) override;
  void PutKeyboardAway() override;
};

}  // namespace dd::web
