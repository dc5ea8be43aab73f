// A click on compute for 1000..9000 on the Win32 window, until the count and
// the list are painted: BM_CLICK runs the handler and fills the list, then
// the window paints what changed. Prints the median, fastest and slowest of
// the runs, in milliseconds. A plain program: Google Benchmark is not built
// for Windows here.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "window/win32/dpi.h"
#include "window/win32/main_form_window.h"
#include "window/win32/wide_text.h"

namespace {

void Pump(dd::win32::MainFormWindow& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!window.PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char* argv[]) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  dd::win32::EnablePerMonitorDpiAwareness();
  INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common_controls);
  dd::win32::MainFormWindow window(GetModuleHandleW(nullptr));
  window.Show(SW_SHOWNORMAL);
  Pump(window);
  auto control = [&window](dd::design::Role role) {
    return GetDlgItem(window.Handle(), dd::win32::ControlIdOf(role));
  };
  HWND start = control(dd::design::Role::StartBox);
  HWND end = control(dd::design::Role::EndBox);
  HWND count = control(dd::design::Role::CountBox);
  HWND compute = control(dd::design::Role::Compute);
  HWND clear = control(dd::design::Role::Clear);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    SendMessageW(clear, BM_CLICK, 0, 0);
    SendMessageW(start, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1000"));
    SendMessageW(end, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9000"));
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(window);
    LARGE_INTEGER before;
    QueryPerformanceCounter(&before);
    SendMessageW(compute, BM_CLICK, 0, 0);
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    LARGE_INTEGER after;
    QueryPerformanceCounter(&after);
    if (dd::win32::WindowText(count) != L"4032") {
      std::fprintf(stderr, "compute showed %ls, not 4032\n", dd::win32::WindowText(count).c_str());
      return 1;
    }
    times.push_back(Milliseconds(before, after, frequency));
    Pump(window);
  }
  std::sort(times.begin(), times.end());
  std::printf(
      "win32 compute 1000..9000, click to count shown: median %.1f ms, fastest %.1f ms, "
      "slowest %.1f ms, %d runs\n",
      times[times.size() / 2], times.front(), times.back(), runs);
  return 0;
}
