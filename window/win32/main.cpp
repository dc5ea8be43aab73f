// distinct-digits for Windows: lists the four-digit numbers of an interval
// whose digits are all different.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <string>

#include "window/texts.h"
#include "window/win32/dpi.h"
#include "window/win32/main_form_window.h"
#include "window/win32/wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  dd::win32::EnablePerMonitorDpiAwareness();
  INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common_controls);
  try {
    // Builds the controls and raises the start-up event.
    dd::win32::MainFormWindow window(instance);
    window.QuitOnClose();
    window.Show(show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (!window.PreTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    return static_cast<int>(message.wParam);
  } catch (const std::exception&) {
    const std::wstring text = dd::win32::ToWide(dd::texts::kStartupFailure);
    const std::wstring title = dd::win32::ToWide(dd::texts::kErrorTitle);
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
}
