#include "window/win32/announcer.h"

#include <unknwn.h>

#include <string>

namespace dd::win32 {
namespace {

// The values UI Automation gives these in uiautomationcore.h.
constexpr int kActionCompleted = 2;      // NotificationKind_ActionCompleted
constexpr int kImportantMostRecent = 1;  // NotificationProcessing_ImportantMostRecent

using ClientsAreListening = BOOL(WINAPI*)();
// IRawElementProviderSimple is an IUnknown as far as this file is concerned.
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, wchar_t*, wchar_t*);
using AllocString = wchar_t*(WINAPI*)(const wchar_t*);
using FreeString = void(WINAPI*)(wchar_t*);

template <class F>
F As(FARPROC proc) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(proc));
}

}  // namespace

Announcer::~Announcer() {
  if (core_ != nullptr) {
    FreeLibrary(core_);
  }
  if (automation_strings_ != nullptr) {
    FreeLibrary(automation_strings_);
  }
}

bool Announcer::Load() {
  if (!tried_) {
    tried_ = true;
    // Only from the system folder, never from beside the program.
    core_ = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    automation_strings_ = LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (core_ != nullptr && automation_strings_ != nullptr) {
      listening_ = GetProcAddress(core_, "UiaClientsAreListening");
      host_provider_ = GetProcAddress(core_, "UiaHostProviderFromHwnd");
      raise_notification_ = GetProcAddress(core_, "UiaRaiseNotificationEvent");
      alloc_string_ = GetProcAddress(automation_strings_, "SysAllocString");
      free_string_ = GetProcAddress(automation_strings_, "SysFreeString");
    }
  }
  return listening_ != nullptr && host_provider_ != nullptr && raise_notification_ != nullptr &&
         alloc_string_ != nullptr && free_string_ != nullptr;
}

void Announcer::Announce(HWND window, std::u16string_view message) {
  if (!Load() || !As<ClientsAreListening>(listening_)()) {
    return;  // no screen reader listens, or this Windows cannot announce
  }
  IUnknown* provider = nullptr;
  if (FAILED(As<HostProviderFromHwnd>(host_provider_)(window, &provider)) || provider == nullptr) {
    return;
  }
  const std::wstring text(message.begin(), message.end());
  wchar_t* display = As<AllocString>(alloc_string_)(text.c_str());
  wchar_t* activity = As<AllocString>(alloc_string_)(L"distinct-digits.command");
  if (display != nullptr && activity != nullptr) {
    As<RaiseNotificationEvent>(raise_notification_)(provider, kActionCompleted,
                                                    kImportantMostRecent, display, activity);
  }
  As<FreeString>(free_string_)(display);
  As<FreeString>(free_string_)(activity);
  provider->Release();
}

}  // namespace dd::win32
