// The Win32 driver of the window scenarios: it uses the window as a user
// does, keys through SendInput, clicks through BM_CLICK, and reads what it
// shows back through the controls' own messages and a GDI capture. Included
// by the Win32 window's test program alone.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/window_driver.h"
#include "window/form_design.h"
#include "window/win32/clipboard.h"
#include "window/win32/dpi.h"
#include "window/win32/main_form_window.h"
#include "window/win32/wide_text.h"
#include "window/win32/win32_controls.h"
#include "window/zoom.h"

namespace dd::testing {
namespace {

using win32::FromWide;
using win32::ToWide;
using win32::WindowText;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

LONG_PTR StyleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

// A key as SendInput presses it: down, or up.
RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

INPUT KeyInput(WORD key, bool up, bool extended = false) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

// The message box that is open now on this thread, if any.
HWND OpenMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) {
        if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) {
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND OpenMenu() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// What the message box said, and its caption; the timer that read them
// closes it.
std::pair<Text, Text>* report = nullptr;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = OpenMessageBox();
  if (box == nullptr) {
    return;  // not open yet
  }
  KillTimer(nullptr, timer);
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);  // the message's static control
  *report = {FromWide(WindowText(box)), FromWide(text)};
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The texts a popup menu offers, as shown, and whether each is enabled; the
// timer that read them closes the menu.
std::vector<std::pair<Text, bool>>* offered = nullptr;
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu_window = OpenMenu();
  if (menu_window == nullptr) {
    return;
  }
  KillTimer(nullptr, timer);
  auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
  for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    offered->emplace_back(FromWide(text), (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) &
                                           (MF_GRAYED | MF_DISABLED)) == 0);
  }
  EndMenu();
}

// The focus events screen readers follow, as the object and child each names.
std::vector<std::pair<LONG, LONG>>* focus_events = nullptr;
HWND focus_events_of = nullptr;
void CALLBACK RecordFocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                               DWORD) {
  if (focus_events != nullptr && window == focus_events_of) {
    focus_events->emplace_back(object, child);
  }
}

class Win32Driver final : public WindowDriver {
 public:
  explicit Win32Driver(ControlHook& hook)
      : window_(std::make_unique<win32::MainFormWindow>(GetModuleHandleW(nullptr), &hook)) {
    SetWindowPos(Main(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(Main());
    Pump();
  }
  ~Win32Driver() override {
    window_.reset();
    Pump();
  }

  win32::MainFormWindow& Window() { return *window_; }
  HWND Main() const { return window_->Handle(); }
  HWND Control(Role role) const { return GetDlgItem(Main(), win32::ControlIdOf(role)); }
  UINT Dpi() const { return win32::DpiOf(Main()); }

  // Runs the message loop as the program's does until nothing is left to do
  // (input sent by SendInput comes in a moment later).
  void Pump() {
    int idle_rounds = 0;
    for (int round = 0; round < 500 && idle_rounds < 3; ++round) {
      MSG message;
      bool any = false;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        any = true;
        if (window_ == nullptr || !window_->PreTranslate(message)) {
          // Wine 8 puts the character a KEYEVENTF_UNICODE key carries and
          // the key message's Alt flag in the same bits, and translates
          // Alt with 'н' to WM_SYSCHAR 0x243D: the flag is left out of what
          // it translates, as Windows keeps the two apart.
          MSG translated = message;
          if (message.message == WM_SYSKEYDOWN && message.wParam == VK_PACKET) {
            translated.lParam &= ~(static_cast<LPARAM>(KF_ALTDOWN) << 16);
          }
          TranslateMessage(&translated);
          DispatchMessageW(&message);
        }
      }
      if (any) {
        idle_rounds = 0;
      } else {
        ++idle_rounds;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      }
    }
  }
  void Send(const std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
    Pump();
  }
  // Presses a key, with Ctrl or Shift held if asked.
  void PressKey(WORD key, bool ctrl, bool shift, bool extended) {
    std::vector<INPUT> inputs;
    if (ctrl) {
      inputs.push_back(KeyInput(VK_CONTROL, false));
    }
    if (shift) {
      inputs.push_back(KeyInput(VK_SHIFT, false));
    }
    inputs.push_back(KeyInput(key, false, extended));
    inputs.push_back(KeyInput(key, true, extended));
    if (shift) {
      inputs.push_back(KeyInput(VK_SHIFT, true));
    }
    if (ctrl) {
      inputs.push_back(KeyInput(VK_CONTROL, true));
    }
    Send(inputs);
  }
  // The result list's context menu as the menu key opens it: each item's
  // whole text and whether it is enabled.
  std::vector<std::pair<Text, bool>> ResultsMenuAsShown() {
    std::vector<std::pair<Text, bool>> items;
    offered = &items;
    Focus(Role::Results);
    SetTimer(nullptr, 0, 20, ReadMenu);
    PressKey(VK_APPS, false, false, true);
    offered = nullptr;
    return items;
  }
  // The EM_GETSEL of a box: the selection's start in the low word, its end
  // in the high word.
  DWORD Selection(Role box) const {
    return static_cast<DWORD>(SendMessageW(Control(box), EM_GETSEL, 0, 0));
  }
  LOGFONTW LogFontOf(Role role) const {
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageW(Control(role), WM_GETFONT, 0, 0));
    if (handle != nullptr) {
      GetObjectW(handle, sizeof font, &font);
    }
    return font;
  }

  Text Title() override { return FromWide(WindowText(Main())); }
  Rect ClientArea() override {
    RECT client{};
    GetClientRect(Main(), &client);
    return {0, 0, client.right, client.bottom};
  }
  int Pixels(int twips) override { return zoom::Pixels(twips, static_cast<int>(Dpi())); }
  bool Resizable() override { return (StyleOf(Main()) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0; }
  // Keys and the wheel through SendInput, the wheel with the pointer over
  // the result list, where it would scroll.
  void Zoom(ZoomGesture gesture) override {
    const RECT before = WindowRect(Main());
    if (gesture == ZoomGesture::CtrlWheelUp || gesture == ZoomGesture::CtrlWheelDown) {
      const RECT list = WindowRect(Control(Role::Results));
      SetCursorPos((list.left + list.right) / 2, (list.top + list.bottom) / 2);
      INPUT wheel{};
      wheel.type = INPUT_MOUSE;
      wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
      wheel.mi.mouseData =
          static_cast<DWORD>(gesture == ZoomGesture::CtrlWheelUp ? WHEEL_DELTA : -WHEEL_DELTA);
      Send({KeyInput(VK_CONTROL, false), wheel, KeyInput(VK_CONTROL, true)});
    } else {
      static const std::map<ZoomGesture, std::pair<WORD, bool>> kKeys = {
          {ZoomGesture::CtrlPlus, {VK_OEM_PLUS, true}},
          {ZoomGesture::CtrlEquals, {VK_OEM_PLUS, false}},
          {ZoomGesture::CtrlKeypadPlus, {VK_ADD, false}},
          {ZoomGesture::CtrlMinus, {VK_OEM_MINUS, false}},
          {ZoomGesture::CtrlKeypadMinus, {VK_SUBTRACT, false}},
          {ZoomGesture::CtrlZero, {'0', false}}};
      const auto [key, shift] = kKeys.at(gesture);
      PressKey(key, true, shift, false);
    }
    // The window is laid out anew as the key comes; Wine may show it a moment later.
    for (int wait = 0; wait < 20; ++wait) {
      const RECT now = WindowRect(Main());
      if (!EqualRect(&before, &now)) {
        break;
      }
      Pump();
    }
  }
  Rect ScreenArea() override {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Main(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
  }
  Rect FrameArea() override {
    const RECT outer = WindowRect(Main());
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
  }

  std::optional<Role> Focused() override {
    HWND focus = GetFocus();
    for (const design::ControlDesign& d : design::kControls) {
      if (focus != nullptr && Control(d.role) == focus) {
        return d.role;
      }
    }
    return std::nullopt;
  }
  void Focus(Role role) override {
    SetFocus(Control(role));
    Pump();
  }
  // Each character as a keyboard sends it.
  void Type(std::u16string_view text) override {
    std::vector<INPUT> inputs;
    for (const char16_t c : text) {
      AddCharacterKey(inputs, c);
    }
    Send(inputs);
  }
  // A key that sends the character itself, down and up.
  static void AddCharacterKey(std::vector<INPUT>& inputs, char16_t c) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  void Press(Key key, bool shift) override {
    // Each Key's virtual key, and whether it is an extended key, in the
    // enumeration's order; the keypad's Enter is Return extended.
    static constexpr std::pair<WORD, bool> kKeys[] = {
        {VK_TAB, false}, {VK_RETURN, false}, {VK_RETURN, true}, {VK_SPACE, false},
        {VK_HOME, true}, {VK_END, true},     {VK_LEFT, true},   {VK_RIGHT, true},
        {VK_UP, true},   {VK_DOWN, true},    {VK_BACK, false},  {VK_DELETE, true}};
    const auto [virtual_key, extended] = kKeys[static_cast<int>(key)];
    PressKey(virtual_key, false, shift, extended);
  }
  void PressCtrl(char letter) override { PressKey(static_cast<WORD>(letter), true, false, false); }
  // Alt with the key the Bulgarian layout types the letter with, where that
  // layout can be made active (Windows). Wine 8 makes no layout active but
  // the X server's, and finds no key for a Cyrillic letter: there the key
  // sends the letter itself (KEYEVENTF_UNICODE), with Alt held just the same.
  void PressAlt(char16_t letter) override {
    static const HKL bulgarian = LoadKeyboardLayoutW(L"00000402", KLF_ACTIVATE);
    const bool active = LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))) == 0x0402;
    const SHORT key = active ? VkKeyScanExW(static_cast<wchar_t>(letter), bulgarian) : -1;
    std::vector<INPUT> inputs{KeyInput(VK_MENU, false)};
    if (key != -1 && (HIBYTE(key) & ~1) == 0) {
      const bool shift = (HIBYTE(key) & 1) != 0;
      if (shift) {
        inputs.push_back(KeyInput(VK_SHIFT, false));
      }
      inputs.push_back(KeyInput(LOBYTE(key), false));
      inputs.push_back(KeyInput(LOBYTE(key), true));
      if (shift) {
        inputs.push_back(KeyInput(VK_SHIFT, true));
      }
    } else {
      AddCharacterKey(inputs, letter);
    }
    inputs.push_back(KeyInput(VK_MENU, true));
    Send(inputs);
  }
  void Click(Role button) override {
    SendMessageW(Control(button), BM_CLICK, 0, 0);
    Pump();
  }
  void Write(Role box, std::u16string_view text) override {
    win32::WriteProgramText(Control(box), text);
  }

  // A multi-line box's CR LF line breaks read as line feeds, as the program
  // reads them.
  Text TextOf(Role role) override {
    Text text = FromWide(WindowText(Control(role)));
    for (std::size_t at = text.find(u"\r\n"); at != Text::npos; at = text.find(u"\r\n", at)) {
      text.erase(at, 1);
    }
    return text;
  }
  bool ReadOnly(Role box) override { return (StyleOf(Control(box)) & ES_READONLY) != 0; }
  int Caret(Role box) override { return HIWORD(Selection(box)); }
  Rect RectOf(Role role) override {
    RECT rect{};
    GetWindowRect(Control(role), &rect);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  bool Shown(Role role) override {
    return Control(role) != nullptr && IsWindowVisible(Control(role));
  }
  // The size from the height asked for: a negative one is the characters'
  // height in pixels, as points are.
  FontInfo FontOf(Role role) override {
    const LOGFONTW font = LogFontOf(role);
    return {FromWide(font.lfFaceName), MulDiv(-font.lfHeight, 72, static_cast<int>(Dpi()))};
  }
  // What the screen shows of the client area, through GDI.
  Capture Grab() override {
    RedrawWindow(Main(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    RECT client{};
    GetClientRect(Main(), &client);
    POINT origin{0, 0};
    ClientToScreen(Main(), &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    Capture capture{client.right, client.bottom, {}};
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    capture.pixels.reserve(static_cast<std::size_t>(client.right) * client.bottom);
    for (int i = 0; i < client.right * client.bottom; ++i) {
      const std::uint32_t p = pixels[i];
      capture.pixels.push_back({static_cast<std::uint8_t>((p >> 16) & 0xFF),
                                static_cast<std::uint8_t>((p >> 8) & 0xFF),
                                static_cast<std::uint8_t>(p & 0xFF)});
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
  }
  int ListsShown() override {
    int lists = 0;
    EnumChildWindows(
        Main(),
        [](HWND child, LPARAM count) {
          *reinterpret_cast<int*>(count) +=
              ClassOf(child) == L"ListBox" && IsWindowVisible(child) ? 1 : 0;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&lists));
    return lists;
  }
  bool ScrollsVertically(Role box) override {
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    return (StyleOf(Control(box)) & WS_VSCROLL) != 0 &&
           GetScrollInfo(Control(box), SB_VERT, &scroll) &&
           scroll.nMax - static_cast<int>(scroll.nPage) + 1 > scroll.nMin;
  }
  // As Windows' accessibility names a standard control: a button or a label
  // after its own text, an edit or a list after the label just before it
  // among its siblings; the '&' that marks an access key is left out.
  Text AccessibleNameOf(Role role) override {
    HWND control = Control(role);
    const std::wstring kind = ClassOf(control);
    HWND named_by = control;
    if (kind == L"Edit" || kind == L"ListBox") {
      named_by = GetWindow(control, GW_HWNDPREV);
      if (named_by == nullptr || ClassOf(named_by) != L"Static") {
        return u"<no label>";
      }
    }
    Text name;
    const std::wstring text = WindowText(named_by);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L'&' && i + 1 < text.size()) {
        ++i;
      }
      name.push_back(static_cast<char16_t>(text[i]));
    }
    return name;
  }

  std::vector<Text> Items() override {
    HWND list = Control(Role::Results);
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<Text> items;
    for (LRESULT row = 0; row < count; ++row) {
      const auto length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
      std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
      SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
      text.resize(static_cast<std::size_t>(length));
      items.push_back(FromWide(text));
    }
    return items;
  }
  int SelectedCount() override {
    return static_cast<int>(SendMessageW(Control(Role::Results), LB_GETSELCOUNT, 0, 0));
  }
  int CurrentRow() override {
    return static_cast<int>(SendMessageW(Control(Role::Results), LB_GETCARETINDEX, 0, 0));
  }
  void SelectRows(const std::vector<int>& rows) override {
    HWND list = Control(Role::Results);
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    for (const int row : rows) {
      SendMessageW(list, LB_SETSEL, TRUE, row);
    }
    Pump();
  }
  std::vector<std::pair<Text, bool>> ResultsMenu() override {
    std::vector<std::pair<Text, bool>> items = ResultsMenuAsShown();
    for (auto& [text, enabled] : items) {
      text = text.substr(0, text.find(u'\t'));  // without the shortcut
    }
    return items;
  }

  // Split at CR LF, the one line break of Windows' text.
  std::vector<Text> ClipboardLines() override {
    const Text text = FromWide(win32::ClipboardText(Main()));
    std::vector<Text> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find(u"\r\n"); at != Text::npos; at = text.find(u"\r\n", from)) {
      lines.push_back(text.substr(from, at - from));
      from = at + 2;
    }
    lines.push_back(text.substr(from));
    return lines;
  }
  void SetClipboard(std::u16string_view text) override {
    win32::SetClipboardText(Main(), ToWide(text));
  }

  std::pair<Text, Text> ReportOf(const std::function<void()>& action) override {
    std::pair<Text, Text> answered;
    report = &answered;
    SetTimer(nullptr, 0, 20, AnswerMessageBox);
    action();
    report = nullptr;
    return answered;
  }
  bool ModalOpen() override { return OpenMessageBox() != nullptr || OpenMenu() != nullptr; }

 private:
  std::unique_ptr<win32::MainFormWindow> window_;
};

}  // namespace
}  // namespace dd::testing
