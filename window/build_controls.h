// Makes the window's controls from the design table in one walk, each at the
// index the table gives it. Whatever shows the window supplies the text boxes
// (their text lives in its widgets) and a widget for every other control it
// shows; the walk hands back every widget by its control's role.
#pragma once

#include <memory>
#include <utility>

#include "window/controls.h"
#include "window/form_design.h"

namespace dd {

template <class Widget>
class ControlHost {
 public:
  // A text box for `design`, made with `id` and the set's `hook` slot, and
  // the widget that shows it.
  virtual std::pair<std::unique_ptr<TextBox>, Widget> MakeTextBox(
      const design::ControlDesign& design, ControlId id, ControlHook* const& hook) = 0;
  // The widget that shows a label, a list or a button, made once the
  // control is in its array; a null widget for a control never shown.
  virtual Widget MakeWidget(const design::ControlDesign& design, Control& control) = 0;

 protected:
  ~ControlHost() = default;
};

template <class Widget>
design::ByRole<Widget> BuildControls(ControlSet& controls, ControlHost<Widget>& host) {
  design::ByRole<Widget> widgets;
  for (const design::ControlDesign& d : design::kControls) {
    switch (d.kind) {
      case design::Kind::Label:
        widgets[d.role] = host.MakeWidget(d, controls.Add<Label>(controls.Label1, d.text));
        break;
      case design::Kind::ListBox:
        widgets[d.role] = host.MakeWidget(d, controls.Add<ListBox>(controls.List1, d.sorted));
        break;
      case design::Kind::TextBox: {
        ControlArray<TextBox>& array = controls.TextBoxes(d.array);
        auto [box, widget] =
            host.MakeTextBox(d, ControlId{array.Name(), d.index}, controls.HookSlot());
        controls.Adopt(array, std::move(box));
        widgets[d.role] = widget;
        break;
      }
      case design::Kind::CommandButton:
        widgets[d.role] =
            host.MakeWidget(d, controls.Add<CommandButton>(controls.Command1, d.text));
        break;
    }
  }
  return widgets;
}

}  // namespace dd
