// distinct-digits for Windows: lists the four-digit numbers of an interval
// whose digits are all different.
#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "window/win32/main_window.h"

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
    MessageBoxW(nullptr, L"Прозорецът на програмата не можа да се отвори.", L"Грешка",
                MB_OK | MB_ICONERROR);
    return 1;
  }
}
