// Tells a screen reader, in a few words, what a command did, without changing
// anything on screen: a UI Automation notification raised on the window.
// UI Automation's notification call exists from Windows 10 version 1709; it
// is looked up at run time, so the program still starts where it is missing
// and simply announces nothing there.
#pragma once

#include <windows.h>

#include <string_view>

namespace dd::win32 {

class Announcer {
 public:
  Announcer() = default;
  Announcer(const Announcer&) = delete;
  Announcer& operator=(const Announcer&) = delete;
  ~Announcer();

  // Hands `message` to any UI Automation client that listens, on behalf of
  // `window`.
  void Announce(HWND window, std::u16string_view message);

 private:
  bool Load();

  bool tried_ = false;
  HMODULE core_ = nullptr;
  HMODULE automation_strings_ = nullptr;
  FARPROC listening_ = nullptr;
  FARPROC host_provider_ = nullptr;
  FARPROC raise_notification_ = nullptr;
  FARPROC alloc_string_ = nullptr;
  FARPROC free_string_ = nullptr;
};

}  // namespace dd::win32
