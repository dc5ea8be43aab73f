#include "window/main_form.h"

namespace dd {

MainForm::MainForm(ControlSet& controls) : Text2(controls.Text2), List1(controls.List1) {
  for (std::int16_t i = 0; i < controls.Command1.Count(); ++i) {
    controls.Command1(i).SetClickHandler([this](std::int16_t index) { Command1_Click(index); });
  }
}

void MainForm::Form_Load() {
  ClearForm();
  Text2(2).SetLocked(false);
}

void MainForm::Command1_Click(std::int16_t Index) {
  switch (Index) {
    case 0:
      ListDistinctDigitNumbers();
      break;
    case 1:
      ClearForm();
      break;
    default:
      break;
  }
}

void MainForm::ClearForm() {
  List1(0).Clear();
  List1(1).Clear();
  Text2(0).SetText(u"");
  Text2(1).SetText(u"");
  Text2(2).SetText(u"");
  FoundCount = 0;
}

}  // namespace dd
