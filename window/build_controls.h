// Makes the window's controls from the design table in one walk, each at the
// index the table gives it. Whatever shows the window supplies the text boxes
// (their text lives in its widgets) and a widget for every other control it
// shows, each from its presentation; the walk hands back every widget by its
// control's role (none for the digit list, which is never shown).
#pragma once

#include <memory>
#include <utility>

#include "window/controls.h"
#include "window/form_design.h"
#include "window/presentation.h"

namespace dd {

template <class Widget>
class ControlHost {
 public:
  // The text box of `role` (a number box or the task statement), made with
  // `id` and the set's `hook` slot, and the widget that shows it as
  // present::Of(role) says.
  virtual std::pair<std::unique_ptr<TextBox>, Widget> MakeTextBox(design::Role role, ControlId id,
                                                                  ControlHook* const& hook) = 0;
  // The widget that shows the title, a caption, the result list or a
  // button, made once the control is in its array.
  virtual Widget MakeWidget(design::Role role, Control& control) = 0;

 protected:
  ~ControlHost() = default;
};

template <class Widget>
design::ByRole<Widget> BuildControls(ControlSet& controls, ControlHost<Widget>& host) {
  design::ByRole<Widget> widgets;
  for (const design::ControlDesign& d : design::kControls) {
    Control* made = nullptr;
    switch (d.kind) {
      case design::Kind::Label:
        made = &controls.Add<Label>(controls.Label1);
        break;
      case design::Kind::ListBox:
        made = &controls.Add<ListBox>(controls.List1, d.sorted);
        break;
      case design::Kind::CommandButton:
        made = &controls.Add<CommandButton>(controls.Command1);
        break;
      case design::Kind::TextBox: {
        ControlArray<TextBox>& array = controls.TextBoxes(d.array);
        auto [box, widget] =
            host.MakeTextBox(d.role, ControlId{array.Name(), d.index}, controls.HookSlot());
        controls.Adopt(array, std::move(box));
        widgets[d.role] = widget;
        break;
      }
    }
    if (made != nullptr && present::Shows(d.role)) {
      widgets[d.role] = host.MakeWidget(d.role, *made);
    }
  }
  return widgets;
}

}  // namespace dd
