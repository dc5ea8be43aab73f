#include "window/win32/number_edit.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "runtime/text.h"
#include "window/typing_limit.h"
#include "window/win32/clipboard.h"
#include "window/win32/subclass.h"
#include "window/win32/wide_text.h"

namespace dd::win32 {
namespace {

bool IsReadOnly(HWND edit) {
  return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

struct Selection {
  std::size_t start, end;
};
Selection SelectionOf(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {std::min(start, end), std::max(start, end)};
}

// Ctrl+A selects the whole text; the character it types would only beep.
bool SelectsAll(HWND edit, UINT message, WPARAM wparam) {
  if (message == WM_KEYDOWN && wparam == 'A' && ControlDown()) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return true;
  }
  return message == WM_CHAR && wparam == 0x01;
}

class NumberEdit final : public Subclass {
 public:
  NumberEdit(std::size_t limit, std::function<void()> on_enter)
      : limit_(limit), on_enter_(std::move(on_enter)) {}

 private:
  LRESULT OnMessage(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) override;
  // Whether a typed character may replace the selection. A high surrogate
  // is judged with room for its partner, which then follows unjudged.
  bool AcceptsTyped(HWND edit, wchar_t c) const;
  // Pastes what fits of the clipboard's text over the selection, as one
  // step the user can undo.
  void PasteFitted(HWND edit) const;

  std::size_t limit_;
  std::function<void()> on_enter_;
};

LRESULT NumberEdit::OnMessage(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  if (SelectsAll(edit, message, wparam)) {
    return 0;
  }
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) {
        if (on_enter_) {
          on_enter_();
        }
        return 0;
      }
      // Both paste keys, whichever way the edit control would paste.
      if (!IsReadOnly(edit) && ((wparam == 'V' && ControlDown()) ||
                                (wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 &&
                                 GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0))) {
        PasteFitted(edit);
        return 0;
      }
      break;
    case WM_CHAR:
    case WM_IME_CHAR:
      // Return and Ctrl+V were handled as keys.
      if (wparam == L'\r' || wparam == L'\n' || wparam == 0x16) {
        return 0;
      }
      if (wparam >= 0x20 && wparam != 0x7F && !IsReadOnly(edit) &&
          !AcceptsTyped(edit, static_cast<wchar_t>(wparam))) {
        return 0;
      }
      break;
    case WM_PASTE:
      // The edit control's own context menu pastes with this.
      if (!IsReadOnly(edit)) {
        PasteFitted(edit);
        return 0;
      }
      break;
    default:
      break;
  }
  return PassOn(edit, message, wparam, lparam);
}

bool NumberEdit::AcceptsTyped(HWND edit, wchar_t c) const {
  if (IsLowSurrogate(static_cast<char16_t>(c))) {
    return true;
  }
  const Text before = FromWide(WindowText(edit));
  const Selection selection = SelectionOf(edit);
  const std::size_t start = std::min(selection.start, before.size());
  const std::size_t end = std::min(selection.end, before.size());
  Text after = before.substr(0, start);
  after.push_back(static_cast<char16_t>(c));
  if (IsHighSurrogate(static_cast<char16_t>(c))) {
    after.push_back(u'\xDC00');
  }
  after += before.substr(end);
  return IsAllowedEdit(before, after, limit_);
}

void NumberEdit::PasteFitted(HWND edit) const {
  const Text pasted = FromWide(ClipboardText(edit));
  if (pasted.empty()) {
    return;
  }
  const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  const Selection selection = SelectionOf(edit);
  const std::size_t kept = length - std::min(selection.end - selection.start, length);
  const std::wstring fitted = ToWide(FitInsertion(pasted, kept, limit_));
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitted.c_str()));
}

class SelectAll final : public Subclass {
 private:
  LRESULT OnMessage(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) override {
    if (SelectsAll(edit, message, wparam)) {
      return 0;
    }
    return PassOn(edit, message, wparam, lparam);
  }
};

}  // namespace

void MakeNumberEdit(HWND edit, std::size_t max_typed, std::function<void()> on_enter) {
  Subclass::Install(edit, std::make_unique<NumberEdit>(max_typed, std::move(on_enter)));
}

void AddSelectAll(HWND edit) {
  Subclass::Install(edit, std::make_unique<SelectAll>());
}

}  // namespace dd::win32
