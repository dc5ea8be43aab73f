#include "window/win32/win32_controls.h"

#include <string>

#include "window/win32/wide_text.h"

namespace dd::win32 {

void WriteProgramText(HWND edit, std::u16string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  const bool multi_line = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_MULTILINE) != 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (multi_line && text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) {
      wide.push_back(L'\r');
    }
    wide.push_back(static_cast<wchar_t>(text[i]));
  }
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

bool EditTextBox::Locked() const {
  return (GetWindowLongPtrW(edit_, GWL_STYLE) & ES_READONLY) != 0;
}

Text EditTextBox::ReadText() const {
  // A multi-line edit holds its line breaks as CR LF; the text reads back
  // with the line feeds it was written with.
  Text text = FromWide(WindowText(edit_));
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')) {
      text[out++] = text[i];
    }
  }
  text.resize(out);
  return text;
}

void EditTextBox::WriteLocked(bool locked) {
  SendMessageW(edit_, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

}  // namespace dd::win32
