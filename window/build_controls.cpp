#include "window/build_controls.h"

namespace dd {

void BuildControls(ControlSet& controls, ControlHost& host) {
  for (const design::ControlDesign& d : design::kControls) {
    Control* added = nullptr;
    switch (d.kind) {
      case design::Kind::Label:
        added = &controls.Add<Label>(controls.Label1, d.text);
        break;
      case design::Kind::ListBox:
        added = &controls.Add<ListBox>(controls.List1, d.sorted);
        break;
      case design::Kind::TextBox: {
        ControlArray<TextBox>& array = controls.TextBoxes(d.array);
        added = &controls.Adopt(
            array, host.MakeTextBox(d, ControlId{array.Name(), d.index}, controls.HookSlot()));
        break;
      }
      case design::Kind::CommandButton:
        added = &controls.Add<CommandButton>(controls.Command1, d.text);
        break;
    }
    host.Added(d, *added);
  }
}

}  // namespace dd
