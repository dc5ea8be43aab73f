// The clipboard's Unicode text, which the result list copies to and the
// number boxes paste from.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace dd::win32 {

// Puts a text on the clipboard as Unicode text; false if that failed.
bool SetClipboardText(HWND owner, std::wstring_view text);
// The clipboard's Unicode text; empty if it holds none.
std::wstring ClipboardText(HWND owner);

}  // namespace dd::win32
