// Tests of the real Win32 window, created in this process and driven as a
// user drives it: keys through SendInput, clicks through BM_CLICK, what it
// shows read back through the controls' own messages and a GDI capture.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fault_injector.h"
#include "window/form_design.h"
#include "window/announcement.h"
#include "window/win32/main_window.h"
#include "window/win32/win32_controls.h"

namespace dd::win32 {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

LONG_PTR StyleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

// A key as SendInput presses it: down, or up.
INPUT Key(WORD key, bool up, bool extended = false) {
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

// What the message box said, and its caption; the timer that read them
// closes it.
std::wstring reported;
std::wstring reported_caption;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = OpenMessageBox();
  if (box == nullptr) {
    return;  // not open yet
  }
  KillTimer(nullptr, timer);
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);  // the message's static control
  reported = text;
  reported_caption = WindowText(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The texts a popup menu offers and whether each is enabled; the timer that
// read them closes the menu.
std::vector<std::pair<std::wstring, bool>> offered;
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu_window = FindWindowW(L"#32768", nullptr);
  if (menu_window == nullptr) {
    return;
  }
  KillTimer(nullptr, timer);
  auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
  for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    offered.emplace_back(text, (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) &
                                (MF_GRAYED | MF_DISABLED)) == 0);
  }
  EndMenu();
}

class Win32WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // As the program's manifest does, where the test program has none.
    EnablePerMonitorDpiAwareness();
    INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common_controls);
  }

  void SetUp() override {
    window = std::make_unique<MainFormWindow>(GetModuleHandleW(nullptr), &faults);
    SetWindowPos(window->Handle(), nullptr, 10, 10, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window->Handle());
    Pump();
  }
  void TearDown() override {
    window.reset();
    Pump();
  }

  // Runs the message loop as the program's does until nothing is left to do
  // (input sent by SendInput comes in a moment later).
  void Pump() {
    int idle_rounds = 0;
    for (int round = 0; round < 500 && idle_rounds < 3; ++round) {
      MSG message;
      bool any = false;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        any = true;
        if (window == nullptr || !window->PreTranslate(message)) {
          TranslateMessage(&message);
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
  void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump();
  }
  // Presses a key, with Ctrl or Shift held if asked.
  void Press(WORD key, bool ctrl = false, bool shift = false, bool extended = false) {
    std::vector<INPUT> inputs;
    if (ctrl) {
      inputs.push_back(Key(VK_CONTROL, false));
    }
    if (shift) {
      inputs.push_back(Key(VK_SHIFT, false));
    }
    inputs.push_back(Key(key, false, extended));
    inputs.push_back(Key(key, true, extended));
    if (shift) {
      inputs.push_back(Key(VK_SHIFT, true));
    }
    if (ctrl) {
      inputs.push_back(Key(VK_CONTROL, true));
    }
    Send(inputs);
  }
  // Types text as a keyboard would, character by character.
  void Type(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE;
      inputs.push_back(input);
      input.ki.dwFlags |= KEYEVENTF_KEYUP;
      inputs.push_back(input);
    }
    Send(inputs);
  }
  void Focus(HWND control) {
    SetFocus(control);
    Pump();
  }

  HWND Control(std::string_view array, std::int16_t index) const {
    return window->ControlWindow(array, index);
  }
  HWND Box(std::int16_t index) const { return Control("Text2", index); }
  HWND Button(std::int16_t index) const { return Control("Command1", index); }
  HWND Results() const { return Control("List1", 0); }
  std::wstring BoxText(std::int16_t index) const { return WindowText(Box(index)); }
  // Puts a text into a box whole, as the program writes.
  void Write(std::int16_t index, const wchar_t* text) {
    SendMessageW(Box(index), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  void Click(std::int16_t button) {
    SendMessageW(Button(button), BM_CLICK, 0, 0);
    Pump();
  }
  int ResultCount() const { return static_cast<int>(SendMessageW(Results(), LB_GETCOUNT, 0, 0)); }
  std::wstring Result(int row) const {
    const auto length = SendMessageW(Results(), LB_GETTEXTLEN, row, 0);
    if (length < 0) {
      return L"<none>";
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Results(), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }
  void ExpectCleared() const {
    for (std::int16_t i = 0; i < 3; ++i) {
      EXPECT_EQ(BoxText(i), L"") << "Text2(" << i << ")";
    }
    EXPECT_EQ(ResultCount(), 0);
  }
  // Twips in pixels at the window's DPI.
  int Pixels(int twips) const { return Scale(twips, window->Dpi()); }
  DWORD Selection(HWND edit) const {
    return static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  }

  support::FaultInjector faults;
  std::unique_ptr<MainFormWindow> window;
};

TEST_F(Win32WindowTest, StartsClearedWithTheCountBoxEditable) {
  ExpectCleared();
  EXPECT_EQ(StyleOf(Box(2)) & ES_READONLY, 0);
  Focus(Box(2));
  Type(L"77");
  EXPECT_EQ(BoxText(2), L"77");
  EXPECT_EQ(WindowText(window->Handle()), L"www.example.org Информатика - числа от интервал");
  // 461 by 345 pixels at 96 dpi, scaled at any other.
  RECT client{};
  GetClientRect(window->Handle(), &client);
  EXPECT_EQ(client.right, Pixels(design::kClientWidth));
  EXPECT_EQ(client.bottom, Pixels(design::kClientHeight));
  if (window->Dpi() == USER_DEFAULT_SCREEN_DPI) {
    EXPECT_EQ(client.right, 461);
    EXPECT_EQ(client.bottom, 345);
  }
  // A fixed size: no sizing border, no maximise button.
  EXPECT_EQ(StyleOf(window->Handle()) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  // The hidden digit list has no window at all; the result list is the only list.
  EXPECT_EQ(Control("List1", 1), nullptr);
  int lists = 0;
  EnumChildWindows(
      window->Handle(),
      [](HWND child, LPARAM count) {
        *reinterpret_cast<int*>(count) += ClassOf(child) == L"ListBox" ? 1 : 0;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&lists));
  EXPECT_EQ(lists, 1);
}

TEST_F(Win32WindowTest, TaskStatementScrollsAndCannotBeEdited) {
  HWND statement = Control("Text1", 0);
  EXPECT_NE(StyleOf(statement) & ES_READONLY, 0);
  EXPECT_NE(StyleOf(statement) & ES_MULTILINE, 0);
  EXPECT_NE(StyleOf(statement) & WS_VSCROLL, 0);
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(statement, SB_VERT, &scroll));
  EXPECT_GT(scroll.nMax - static_cast<int>(scroll.nPage) + 1, scroll.nMin) << "nothing to scroll";
  const std::wstring before = WindowText(statement);
  EXPECT_EQ(before.rfind(L"Да се реализира проект", 0), 0u);
  std::size_t line_breaks = 0;
  for (std::size_t at = before.find(L"\r\n"); at != std::wstring::npos;
       at = before.find(L"\r\n", at + 2)) {
    ++line_breaks;
  }
  EXPECT_EQ(line_breaks, 5u);
  EXPECT_EQ(GetFocus(), statement);
  Type(L"abc");
  Press(VK_DELETE);
  EXPECT_EQ(WindowText(statement), before);
}

TEST_F(Win32WindowTest, ComputeOnAFreshWindowLists504Numbers) {
  Click(0);
  EXPECT_EQ(BoxText(0), L"1000");
  EXPECT_EQ(BoxText(1), L"2000");
  EXPECT_EQ(BoxText(2), L"504");
  ASSERT_EQ(ResultCount(), 504);
  EXPECT_EQ(Result(0), L"1023");
  EXPECT_EQ(Result(503), L"1987");
  ASSERT_FALSE(window->Announced().empty());
  EXPECT_EQ(window->Announced().back(), u"Намерени са 504 числа от 1000 до 2000.");
}

TEST_F(Win32WindowTest, BoundsAreOrderedClampedAndWrittenBackWhole) {
  struct Case {
    const wchar_t* start;
    const wchar_t* end;
    const wchar_t* shown_start;
    const wchar_t* shown_end;
    int count;
  };
  const Case cases[] = {
      {L"1000", L"9000", L"1000", L"9000", 4032}, {L"9000", L"1000", L"1000", L"9000", 4032},
      {L"5000", L"3000", L"3000", L"5000", 1008}, {L"1500", L"", L"1000", L"1500", 224},
      {L"1E5", L"1E5", L"100000", L"9000", 0},    {L"1023", L"1023", L"1023", L"1023", 1},
  };
  for (const Case& c : cases) {
    Write(0, c.start);
    Write(1, c.end);
    Click(0);
    SCOPED_TRACE(std::string("case ") + std::to_string(&c - cases));
    EXPECT_EQ(BoxText(0), c.shown_start);
    EXPECT_EQ(BoxText(1), c.shown_end);
    EXPECT_EQ(ResultCount(), c.count);
    EXPECT_EQ(BoxText(2), std::to_wstring(ResultCount()));
  }
  EXPECT_EQ(window->Announced().back(), u"Намерено е 1 число от 1023 до 1023.");
  // After 1000..9000 the list ends with the greatest such number up to 9000.
  Write(0, L"1000");
  Write(1, L"9000");
  Click(0);
  EXPECT_EQ(Result(0), L"1023");
  EXPECT_EQ(Result(4031), L"8976");
}

TEST_F(Win32WindowTest, ClearEmptiesTheWindowAndComputeStartsAgain) {
  Write(0, L"9000");
  Write(1, L"1000");
  Click(0);
  EXPECT_EQ(ResultCount(), 4032);
  Click(1);
  ExpectCleared();
  EXPECT_EQ(window->Announced().back(), u"Прозорецът е изчистен.");
  Click(1);
  ExpectCleared();
  EXPECT_EQ(OpenMessageBox(), nullptr);
  Click(0);
  EXPECT_EQ(BoxText(2), L"504");
  EXPECT_EQ(ResultCount(), 504);
  EXPECT_EQ(window->Announced().size(), 4u);
}

TEST_F(Win32WindowTest, NumberBoxesTakeAtMostFourTypedOrPastedCharacters) {
  for (std::int16_t i = 0; i < 3; ++i) {
    Focus(Box(i));
    Type(L"123456");
    EXPECT_EQ(BoxText(i), L"1234") << "Text2(" << i << ")";
  }
  auto paste_over_all = [this](const wchar_t* text) {
    SetClipboardText(window->Handle(), text);
    Press('A', true);
    Press('V', true);
    return BoxText(0);
  };
  Focus(Box(0));
  EXPECT_EQ(paste_over_all(L"98765"), L"9876");
  EXPECT_EQ(paste_over_all(L"1\r\n2\n3\r4"), L"1234");
  EXPECT_EQ(paste_over_all(L"123e\u0301"), L"123");
  EXPECT_EQ(paste_over_all(L"123\U0001F600"), L"123");
  // The edit control's own menu pastes with WM_PASTE, by the same rule.
  SetClipboardText(window->Handle(), L"24680");
  Press('A', true);
  SendMessageW(Box(0), WM_PASTE, 0, 0);
  EXPECT_EQ(BoxText(0), L"2468");
  // Shift+Insert pastes too, by the same rule.
  Press('A', true);
  SetClipboardText(window->Handle(), L"56789");
  Press(VK_INSERT, false, true, true);
  EXPECT_EQ(BoxText(0), L"5678");
}

TEST_F(Win32WindowTest, ProgramWritesAreNeverCut) {
  Write(0, L"9E14");
  Write(1, L"9E99");
  Click(0);
  const std::wstring written = L"900000000000000";
  EXPECT_EQ(BoxText(0), written);
  EXPECT_EQ(Selection(Box(0)), 0u) << "shown from its first digit, the caret there";
  const auto first_digit = static_cast<short>(LOWORD(SendMessageW(Box(0), EM_POSFROMCHAR, 0, 0)));
  EXPECT_GE(first_digit, 0) << "the first digit is scrolled out of sight";
  // The user may shorten such a text but not lengthen it, neither by
  // typing nor by pasting.
  Focus(Box(0));
  Press(VK_END, false, false, true);
  EXPECT_EQ(Selection(Box(0)), static_cast<DWORD>(MAKELONG(15, 15)));
  Type(L"7");
  EXPECT_EQ(BoxText(0), written);
  SetClipboardText(window->Handle(), L"7");
  Press('V', true);
  EXPECT_EQ(BoxText(0), written);
  // A paste over all of it is cut to four, and undone whole.
  SetClipboardText(window->Handle(), std::wstring(35, L'7').c_str());
  Press('A', true);
  Press('V', true);
  EXPECT_EQ(BoxText(0), L"7777");
  Press('Z', true);
  EXPECT_EQ(BoxText(0), written);
  Press(VK_END, false, false, true);
  Press(VK_BACK);
  EXPECT_EQ(BoxText(0), written.substr(0, 14));
  Type(L"7");
  EXPECT_EQ(BoxText(0), written.substr(0, 14));
}

TEST_F(Win32WindowTest, EnterComputesFromTheBoxesAndPressesTheFocusedButton) {
  Focus(Box(0));
  Type(L"3000");
  Press(VK_RETURN);
  EXPECT_EQ(BoxText(1), L"3000");
  EXPECT_EQ(BoxText(2), std::to_wstring(ResultCount()));
  EXPECT_GT(ResultCount(), 0);
  EXPECT_EQ(GetFocus(), Box(0));
  Focus(Button(1));
  Press(VK_RETURN);
  ExpectCleared();
  Focus(Box(1));
  Press(VK_RETURN, false, false, true);  // the keypad's Enter
  EXPECT_EQ(BoxText(2), L"504");
  Focus(Button(1));
  Press(VK_SPACE);
  ExpectCleared();
  Focus(Button(0));
  Press(VK_RETURN, false, false, true);
  EXPECT_EQ(ResultCount(), 504);
  // The count box is not an input: Return there computes nothing.
  Focus(Box(2));
  Press(VK_END, false, false, true);
  Press(VK_BACK);
  Press(VK_RETURN);
  EXPECT_EQ(BoxText(2), L"50");
}

TEST_F(Win32WindowTest, TabFollowsTheDesignedOrderFromTheTaskStatement) {
  ASSERT_EQ(GetFocus(), Control("Text1", 0));
  for (std::size_t step = 1; step <= design::kFocusOrder.size(); ++step) {
    Press(VK_TAB);
    const design::ControlRef& next = design::kFocusOrder[step % design::kFocusOrder.size()];
    EXPECT_EQ(GetFocus(), Control(next.array, next.index)) << "step " << step;
  }
  Press(VK_TAB, false, true);
  EXPECT_EQ(GetFocus(), Box(2));
  Press(VK_TAB, false, true);
  EXPECT_EQ(GetFocus(), Box(1));
}

TEST_F(Win32WindowTest, ControlsStandWhereTheDesignPutsThemInTheDesignedFont) {
  for (const design::ControlDesign& d : design::kControls) {
    SCOPED_TRACE(std::string(d.array) + "(" + std::to_string(d.index) + ")");
    HWND control = Control(d.array, d.index);
    if (d.hidden) {
      EXPECT_EQ(control, nullptr);
      continue;
    }
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsWindowVisible(control));
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, Pixels(d.left));
    EXPECT_EQ(rect.top, Pixels(d.top));
    EXPECT_EQ(rect.right - rect.left, Pixels(d.width));
    EXPECT_EQ(rect.bottom - rect.top, Pixels(d.height));
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(handle, nullptr);
    GetObjectW(handle, sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Times New Roman");
    // 12 points: 16 pixels at 96 dpi.
    EXPECT_EQ(font.lfHeight, -MulDiv(12, static_cast<int>(window->Dpi()), 72));
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
  }
}

TEST_F(Win32WindowTest, ScreenReadersFindEachControlsName) {
  // A screen reader names an edit or a list after the label just before it
  // among its siblings, and a button or a label after its own text.
  auto label_before = [](HWND control) {
    HWND previous = GetWindow(control, GW_HWNDPREV);
    return previous != nullptr && ClassOf(previous) == L"Static" ? WindowText(previous)
                                                                 : L"<no label>";
  };
  EXPECT_EQ(label_before(Box(0)), L"Начало:");
  EXPECT_EQ(label_before(Box(1)), L"Край:");
  EXPECT_EQ(label_before(Box(2)), L"Общо:");
  EXPECT_EQ(label_before(Results()), L"Числа с различни цифри");
  EXPECT_EQ(label_before(Control("Text1", 0)), L"Условие на задачата");
  EXPECT_EQ(WindowText(Button(0)), L"Изчисли");
  EXPECT_EQ(WindowText(Button(1)), L"Изтрий");
  EXPECT_EQ(WindowText(Control("Label1", 0)), L"Информатика - числа с различни цифри");
  // Moving around announces nothing.
  for (std::size_t step = 0; step < design::kFocusOrder.size(); ++step) {
    Press(VK_TAB);
  }
  EXPECT_TRUE(window->Announced().empty());
}

TEST_F(Win32WindowTest, DesignedColoursCoverTheDesignedRectangles) {
  HWND main = window->Handle();
  RedrawWindow(main, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  RECT client{};
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  // What the screen shows of the client area, through GDI.
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
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  auto colour_at = [&](int x, int y) {
    const std::uint32_t p = pixels[y * client.right + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  };
  auto name = [](COLORREF c) {
    return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c));
  };
  const int px = Pixels(15);  // one pixel at 96 dpi
  EXPECT_EQ(name(colour_at(5 * px, 5 * px)), "192,192,255");
  EXPECT_EQ(name(colour_at(455 * px, 340 * px)), "192,192,255");
  for (const design::ControlDesign& d : design::kControls) {
    if (d.background == nullptr) {
      continue;
    }
    const COLORREF expected = RGB(d.background->red, d.background->green, d.background->blue);
    const RECT r{Pixels(d.left), Pixels(d.top), Pixels(d.left + d.width) - 1,
                 Pixels(d.top + d.height) - 1};  // right and bottom inside
    // Labels are filled edge to edge (the number box beside each overlaps
    // its last pixel column); buttons inside their 2-pixel border.
    const int inset = d.kind == design::Kind::Label ? 0 : 3 * px;
    const int middle = (r.top + r.bottom) / 2;
    for (const POINT& p :
         {POINT{r.left + inset, r.top + inset}, POINT{r.left + inset, r.bottom - inset},
          POINT{r.right - inset - px, r.bottom - inset}, POINT{r.left + inset + 1, middle}}) {
      EXPECT_EQ(name(colour_at(p.x, p.y)), name(expected))
          << d.array << "(" << d.index << ") at " << p.x << "," << p.y;
    }
    // The caption is drawn in black on it.
    bool black = false;
    for (int y = r.top; y <= r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        black = black || colour_at(x, y) == RGB(0, 0, 0);
      }
    }
    EXPECT_TRUE(black || d.kind == design::Kind::CommandButton)
        << d.array << "(" << d.index << ") shows no black text";
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(Win32WindowTest, AnErrorIsReportedAndTheWindowStaysUsable) {
  faults.FailOn("List1", 1, ControlOperation::AddItem, 50);
  reported.clear();
  SetTimer(nullptr, 0, 20, AnswerMessageBox);
  Click(0);
  EXPECT_EQ(reported_caption, L"Грешка");
  EXPECT_EQ(reported.rfind(L"Действието не можа да завърши.\n", 0), 0u) << reported.size();
  EXPECT_NE(reported.find(L"Неуспешна операция с контрола"), std::wstring::npos);
  EXPECT_NE(reported.find(L"List1(1)"), std::wstring::npos);
  EXPECT_TRUE(IsWindow(window->Handle()));
  EXPECT_TRUE(window->Announced().empty()) << "a failed command is not announced";
  faults.Disarm();
  Click(0);
  EXPECT_EQ(BoxText(2), L"504");
}

TEST_F(Win32WindowTest, SelectedResultsAreCopiedOneALineInListOrder) {
  Click(0);
  Focus(Results());
  Press('A', true);
  EXPECT_EQ(SendMessageW(Results(), LB_GETSELCOUNT, 0, 0), 504);
  Press('C', true);
  const std::wstring all = ClipboardText(window->Handle());
  EXPECT_EQ(std::count(all.begin(), all.end(), L'\n'), 503);
  EXPECT_EQ(all.substr(0, 6), L"1023\r\n");
  EXPECT_EQ(all.substr(all.size() - 6), L"\r\n1987");

  // Rows 0 and 1, then 10 and 5: copied in list order.
  SendMessageW(Results(), LB_SETSEL, FALSE, -1);
  for (const int row : {0, 1, 10, 5}) {
    SendMessageW(Results(), LB_SETSEL, TRUE, row);
  }
  Press('C', true);
  EXPECT_EQ(ClipboardText(window->Handle()),
            Result(0) + L"\r\n" + Result(1) + L"\r\n" + Result(5) + L"\r\n" + Result(10));

  // The menu key offers the same in Bulgarian; the list itself is untouched.
  offered.clear();
  SetTimer(nullptr, 0, 20, ReadMenu);
  Press(VK_APPS, false, false, true);
  const std::vector<std::pair<std::wstring, bool>> expected = {
      {L"&Копиране\tCtrl+C", true}, {L"Избиране на &всичко\tCtrl+A", true}};
  EXPECT_EQ(offered, expected);
  EXPECT_EQ(ResultCount(), 504);
  EXPECT_EQ(Result(0), L"1023");
}

TEST_F(Win32WindowTest, ClosingTheProgramsWindowEndsItsMessageLoop) {
  window->QuitOnClose();
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window->Handle(), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(Win32WindowTest, ANewDpiScalesTheDesign) {
  HWND main = window->Handle();
  const UINT first_dpi = window->Dpi();
  RECT suggested{10, 10, 700, 600};
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  Pump();
  ASSERT_EQ(window->Dpi(), 144u);
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, MulDiv(design::kClientWidth, 144, 1440));
  EXPECT_EQ(client.bottom, MulDiv(design::kClientHeight, 144, 1440));
  RECT title{};
  GetWindowRect(Control("Label1", 0), &title);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&title), 2);
  EXPECT_EQ(title.left, 96);
  EXPECT_EQ(title.right - title.left, MulDiv(4575, 144, 1440));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Box(0), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -24);
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(first_dpi, first_dpi),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, Pixels(design::kClientWidth));
  EXPECT_EQ(client.bottom, Pixels(design::kClientHeight));
  // The window still works after the change.
  Click(0);
  EXPECT_EQ(ResultCount(), 504);
}

}  // namespace
}  // namespace dd::win32
