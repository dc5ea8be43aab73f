// Makes the window's controls from the design table in one walk, each at the
// index the table gives it. Whatever shows the window supplies the text boxes
// (their text lives in its widgets) and learns of every control as it comes.
#pragma once

#include <memory>

#include "window/controls.h"
#include "window/form_design.h"

namespace dd {

class ControlHost {
 public:
  // A text box for `design`, made with `id` and the set's `hook` slot.
  virtual std::unique_ptr<TextBox> MakeTextBox(const design::ControlDesign& design, ControlId id,
                                               ControlHook* const& hook) = 0;
  // Called for every control once it is in its array.
  virtual void Added(const design::ControlDesign& design, Control& control) = 0;

 protected:
  ~ControlHost() = default;
};

void BuildControls(ControlSet& controls, ControlHost& host);

}  // namespace dd
