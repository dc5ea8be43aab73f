#include "window/win32/keyboard_cues.h"

namespace dd::win32 {

void KeyboardCues::Start(HWND window) {
  window_ = window;
  tell_controls_(MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL));
  ShowAccessKeys(false);
}

void KeyboardCues::OnKey(const MSG& message) {
  if (message.wParam != VK_MENU) {
    return;
  }
  if (message.message == WM_SYSKEYDOWN) {
    ShowAccessKeys(true);
  } else if (message.message == WM_SYSKEYUP || message.message == WM_KEYUP) {
    ShowAccessKeys(false);
  }
}

std::optional<LRESULT> KeyboardCues::OnMessage(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_CHANGEUISTATE: {
      const WORD cues = HIWORD(wparam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
      WORD changed = hidden_;
      if (LOWORD(wparam) == UIS_SET) {
        changed |= cues;
      } else if (LOWORD(wparam) == UIS_CLEAR) {
        changed &= static_cast<WORD>(~cues);
      }
      if (changed != hidden_) {
        hidden_ = changed;
        tell_controls_(wparam);
      }
      return 0;
    }
    case WM_UPDATEUISTATE:
      return 0;  // changed by WM_CHANGEUISTATE only
    case WM_QUERYUISTATE:
      return hidden_;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETKEYBOARDCUES) {
        ShowAccessKeys(false);
      }
      return std::nullopt;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        ShowAccessKeys(false);  // Alt may be let go elsewhere
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void KeyboardCues::ShowAccessKeys(bool show) {
  BOOL always = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0);
  const bool shown = show || always != FALSE;
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEACCEL),
               0);
}

}  // namespace dd::win32
