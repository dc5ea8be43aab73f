// The resources every Windows build of the program carries, checked in this
// test program, which links the same resource script: the version "1.00", the
// icon with its 256-colour 32-pixel image, and what the manifest turns on
// (common controls 6, per-monitor DPI awareness).
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window/win32/resource.h"

namespace {

std::vector<std::byte> OwnVersionInfo() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) {
    return {};
  }
  DWORD ignored = 0;
  std::vector<std::byte> block(GetFileVersionInfoSizeW(path, &ignored));
  if (block.empty() ||
      !GetFileVersionInfoW(path, 0, static_cast<DWORD>(block.size()), block.data())) {
    return {};
  }
  return block;
}

std::wstring VersionText(std::vector<std::byte>& block, const wchar_t* name) {
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040204B0\\") + name;
  void* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), key.c_str(), &text, &length) || length == 0) {
    return L"(missing)";
  }
  return static_cast<const wchar_t*>(text);
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits_per_pixel;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved, type, count;
};
#pragma pack(pop)

const void* ResourceData(const wchar_t* type, const wchar_t* name) {
  HRSRC found = FindResourceW(nullptr, name, type);
  HGLOBAL loaded = found == nullptr ? nullptr : LoadResource(nullptr, found);
  return loaded == nullptr ? nullptr : LockResource(loaded);
}

TEST(Resources, FileAndProductVersionAreOnePointZeroZero) {
  std::vector<std::byte> block = OwnVersionInfo();
  ASSERT_FALSE(block.empty());
  void* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &fixed, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(info->dwFileVersionLS, 0u);
  EXPECT_EQ(info->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(info->dwProductVersionLS, 0u);
  EXPECT_EQ(VersionText(block, L"FileVersion"), L"1.00");
  EXPECT_EQ(VersionText(block, L"ProductVersion"), L"1.00");
  EXPECT_EQ(VersionText(block, L"ProductName"), L"Различни цифри");
}

TEST(Resources, IconHasA256Colour32PixelImage) {
  const auto* header =
      static_cast<const GroupIconHeader*>(ResourceData(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_APP)));
  ASSERT_NE(header, nullptr);
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
  const GroupIconEntry* entry32 = nullptr;
  for (WORD i = 0; i < header->count; ++i) {
    if (entries[i].width == 32 && entries[i].height == 32) {
      ASSERT_EQ(entry32, nullptr) << "more than one 32-pixel image";
      entry32 = &entries[i];
    }
  }
  ASSERT_NE(entry32, nullptr);
  EXPECT_EQ(entry32->bits_per_pixel, 8);
  const auto* image =
      static_cast<const BITMAPINFOHEADER*>(ResourceData(RT_ICON, MAKEINTRESOURCEW(entry32->id)));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->biBitCount, 8);
  EXPECT_EQ(image->biWidth, 32);

  HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP),
                                             IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  EXPECT_NE(icon, nullptr);
  DestroyIcon(icon);
}

// The manifest's dependency on Common-Controls 6 makes the process's
// activation context send comctl32.dll to that side-by-side assembly. (Its
// DllGetVersion says 6 on Windows, but 5.81 under Wine, whose one comctl32
// serves both.)
TEST(Resources, ManifestSelectsCommonControlsSix) {
  ACTCTX_SECTION_KEYED_DATA redirection{};
  redirection.cbSize = sizeof redirection;
  ASSERT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       L"comctl32.dll", &redirection))
      << "comctl32.dll is not redirected, error " << GetLastError();
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
  EXPECT_TRUE(InitCommonControlsEx(&classes));
}

std::wstring ManifestSetting(const wchar_t* space, const wchar_t* name) {
  wchar_t value[64] = L"";
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, nullptr, space, name, value, std::size(value), &written)) {
    return L"(missing)";
  }
  return value;
}

// The manifest asks for per-monitor awareness, v2 where Windows has it, and
// the process gets it. (Wine makes every process per-monitor aware, manifest
// or not; there the settings read back are what shows that it was read.)
TEST(Resources, ManifestMakesTheProcessPerMonitorDpiAware) {
  EXPECT_EQ(
      ManifestSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
      L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(ManifestSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
            L"true/pm");
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);
}

// The run under Wine at 200 % is one only if Wine took the dots per inch that
// run-under-wine.sh set for it.
TEST(TestSetup, ScreenHasTheDotsPerInchAskedFor) {
  const char* asked = std::getenv("DD_WINE_DPI");
  if (asked == nullptr) {
    GTEST_SKIP() << "DD_WINE_DPI not set";
  }
  EXPECT_EQ(GetDpiForSystem(), static_cast<UINT>(std::atoi(asked)));
}

}  // namespace
