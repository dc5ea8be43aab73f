// Dots per inch. Windows 10 1607 added the per-window DPI calls and 1703
// per-monitor awareness v2: both are looked up at run time, so that the
// program also runs on the first Windows 10, where the system DPI serves.
#pragma once

#include <windows.h>

namespace dd::win32 {

// The DPI `window` is shown at.
UINT DpiOf(HWND window);
// Grows a client rectangle to the window rectangle of a window of `style`
// and `ex_style` (no menu) at `dpi`.
void AdjustForDpi(RECT& rect, DWORD style, DWORD ex_style, UINT dpi);
// Makes the process aware of each monitor's DPI, where the manifest did not.
void EnablePerMonitorDpiAwareness();

}  // namespace dd::win32
