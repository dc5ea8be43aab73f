// Tells a screen reader, in a few words, what a command did, without changing
// anything on screen: a UI Automation notification raised on the window.
// UI Automation's notification call exists from Windows 10 version 1709; it
// is looked up at run time, so the program still starts where it is missing
// and simply announces nothing there.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "window/controls.h"

namespace dd::win32 {

class UiaAnnouncer {
 public:
  UiaAnnouncer() = default;
  UiaAnnouncer(const UiaAnnouncer&) = delete;
  UiaAnnouncer& operator=(const UiaAnnouncer&) = delete;
  ~UiaAnnouncer();

  // Hands `message` to any UI Automation client that listens, on behalf of
  // `window`.
  void Announce(HWND window, std::u16string_view message);
  // Every message handed over so far, whether or not anyone listened.
  const std::vector<Text>& Announced() const { return announced_; }

 private:
  bool Load();

  std::vector<Text> announced_;
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
