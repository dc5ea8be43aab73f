// Win32 controls behind the control operations: EDIT controls hold the text
// boxes' texts. (Lists, labels and buttons keep their state in the model; the
// window presents it.)
#pragma once

#include <windows.h>

#include <string_view>

#include "window/controls.h"

namespace dd::win32 {

// Replaces the whole text of an edit control, however long, and shows it
// from its start with the caret there, as a program's write is shown. A
// multi-line edit gets its line breaks as CR LF.
void WriteProgramText(HWND edit, std::u16string_view text);

// A text box over an EDIT control.
class EditTextBox final : public TextBox {
 public:
  EditTextBox(ControlId id, ControlHook* const& hook, HWND edit) : TextBox(id, hook), edit_(edit) {}

  bool Locked() const override;

 protected:
  Text ReadText() const override;
  void WriteText(std::u16string_view text) override { WriteProgramText(edit_, text); }
  void WriteLocked(bool locked) override;

 private:
  HWND edit_;
};

}  // namespace dd::win32
