#include "window/win32/clipboard.h"

#include <algorithm>

namespace dd::win32 {
namespace {

// The clipboard may be held for a moment by another program.
bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) {
      return true;
    }
    Sleep(10);
  }
  return false;
}

}  // namespace

bool SetClipboardText(HWND owner, std::wstring_view text) {
  if (!OpenClipboardPatiently(owner)) {
    return false;
  }
  bool done = false;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
      std::copy(text.begin(), text.end(), target);
      target[text.size()] = L'\0';
      GlobalUnlock(memory);
      done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!done) {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
  return done;
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboardPatiently(owner)) {
    return text;
  }
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* source = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = source;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace dd::win32
