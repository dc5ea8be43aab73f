#include "window/win32/dpi.h"

namespace dd::win32 {
namespace {

// A function of a system library loaded already, or nullptr where this
// Windows lacks it.
template <class F>
F Function(const wchar_t* module, const char* name) {
  HMODULE loaded = GetModuleHandleW(module);
  if (loaded == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}

}  // namespace

UINT DpiOf(HWND window) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto get = Function<GetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  if (get != nullptr) {
    if (const UINT dpi = get(window); dpi != 0) {
      return dpi;
    }
  }
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

void AdjustForDpi(RECT& rect, DWORD style, DWORD ex_style, UINT dpi) {
  using AdjustWindowRectExForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust =
      Function<AdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&rect, style, FALSE, ex_style, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
}

void EnablePerMonitorDpiAwareness() {
  using SetProcessDpiAwarenessContext = BOOL(WINAPI*)(HANDLE);
  const auto set =
      Function<SetProcessDpiAwarenessContext>(L"user32.dll", "SetProcessDpiAwarenessContext");
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2. When the manifest has set an
  // awareness already, this fails and that one stays.
  const auto per_monitor_v2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (set != nullptr) {
    set(per_monitor_v2);
    return;
  }
  SetProcessDPIAware();
}

}  // namespace dd::win32
