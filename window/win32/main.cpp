// Stand-in for the program's entry until the Win32 window lands: an empty
// top-level window with the program's icon, so that the build, the resources
// and the installer can be tried. With "/close" on the command line it closes
// itself as soon as it has been shown.
#include <windows.h>

#include <cwchar>

#include "window/win32/resource.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"DistinctDigitsPlaceholder";
  if (RegisterClassExW(&window_class) == 0) {
    return 1;
  }
  HWND window =
      CreateWindowExW(0, window_class.lpszClassName, L"Различни цифри", WS_OVERLAPPEDWINDOW,
                      CW_USEDEFAULT, CW_USEDEFAULT, 480, 360, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return 1;
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  if (std::wcsstr(command_line, L"/close") != nullptr) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
