// The program's texts and Windows' wide strings: both are UTF-16 on Windows,
// so these only copy.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/controls.h"

namespace dd::win32 {

inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline Text FromWide(std::wstring_view text) {
  return Text(text.begin(), text.end());
}

// The whole text of a window or control.
inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

}  // namespace dd::win32
