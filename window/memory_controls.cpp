#include "window/memory_controls.h"

#include "window/form_design.h"

namespace dd {

std::unique_ptr<ControlSet> MakeMemoryControls() {
  auto controls = std::make_unique<ControlSet>();
  for (const design::ControlDesign& d : design::kControls) {
    switch (d.kind) {
      case design::Kind::Label:
        controls->Add<Label>(controls->Label1, d.text);
        break;
      case design::Kind::ListBox:
        controls->Add<ListBox>(controls->List1, d.sorted);
        break;
      case design::Kind::TextBox:
        controls->Add<MemoryTextBox>(d.array == "Text1" ? controls->Text1 : controls->Text2, d.text,
                                     d.read_only);
        break;
      case design::Kind::CommandButton:
        controls->Add<CommandButton>(controls->Command1, d.text);
        break;
    }
  }
  return controls;
}

}  // namespace dd
