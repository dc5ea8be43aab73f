#include "window/win32/main_form_window.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "window/texts.h"
#include "window/win32/caption.h"
#include "window/win32/command_button.h"
#include "window/win32/dpi.h"
#include "window/win32/number_edit.h"
#include "window/win32/resource.h"
#include "window/win32/result_list.h"
#include "window/win32/subclass.h"
#include "window/win32/wide_text.h"
#include "window/win32/win32_controls.h"

namespace dd::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"DistinctDigitsMainForm";
// Child control identifiers: this plus the control's role.
constexpr int kFirstControlId = 100;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kWindowClass, &existing)) {
    return;
  }
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  // Kept for as long as the class, that is, as long as the program.
  window_class.hbrBackground = CreateSolidBrush(ToColorRef(present::TheWindow().background));
  window_class.lpszClassName = kWindowClass;
  if (RegisterClassExW(&window_class) == 0) {
    throw std::runtime_error("RegisterClassExW");
  }
}

// The window's font at `dpi`.
HFONT DesignedFont(UINT dpi) {
  const present::Window& window = present::TheWindow();
  const std::wstring family = ToWide(window.font_family);
  return CreateFontW(-MulDiv(window.font_points, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL,
                     FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str());
}

}  // namespace

int ControlIdOf(design::Role role) {
  return kFirstControlId + static_cast<int>(role);
}

MainFormWindow::MainFormWindow(HINSTANCE instance, ControlHook* hook)
    : WindowHost(hook), instance_(instance) {
  RegisterWindowClass(instance_, WindowProc);
  const std::wstring caption = ToWide(present::TheWindow().caption);
  if (CreateWindowExW(kWindowExStyle, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this) == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  dpi_ = DpiOf(window_);
  FitFont(LayoutDpi());
  Start();
}

void MainFormWindow::Arrange() {
  for (const present::Control& shown : present::Controls()) {
    if (shown.box) {
      MakeCaption(widgets_[shown.role], widgets_[*shown.box]);
    }
  }
  cues_.Start(window_);
  NameForAssistiveTechnology();
  ApplyFocusOrder();
  Layout(nullptr);
}

void MainFormWindow::MoveFocus(design::Role role) {
  last_focus_ = widgets_[role];
}

MainFormWindow::~MainFormWindow() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
  for (const present::Control& shown : present::Controls()) {
    if (brushes_[shown.role] != nullptr) {
      DeleteObject(brushes_[shown.role]);
    }
  }
  if (font_ != nullptr) {
    DeleteObject(font_);
  }
}

void MainFormWindow::Show(int how) {
  ShowWindow(window_, how);
  UpdateWindow(window_);
  if (GetActiveWindow() == window_) {
    SetFocus(last_focus_);
  }
}

bool MainFormWindow::PreTranslate(const MSG& message) {
  if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
    return false;
  }
  if (const std::optional<zoom::Command> command = ZoomCommandOf(message)) {
    Zoom(*command);
    return true;
  }
  switch (message.message) {
    case WM_MOUSEWHEEL:
      // Part of a notch with Ctrl: no zoom yet, and no scrolling either.
      return (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0;
    case WM_KEYDOWN:
      if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        HWND focus = GetFocus();
        if (HWND next = GetNextDlgTabItem(window_, IsChild(window_, focus) ? focus : nullptr, back);
            next != nullptr) {
          MoveFocusTo(next);
        }
        return true;
      }
      break;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_KEYUP:
      // The access keys are underlined while Alt is held.
      cues_.OnKey(message);
      break;
    case WM_SYSCHAR:
      // Alt with a letter, in whatever case and keyboard layout it comes:
      // a letter that is no access key goes on to the system, which beeps.
      return PressAccessKey(static_cast<char16_t>(message.wParam));
    default:
      break;
  }
  return false;
}

void MainFormWindow::TellControls(WPARAM change) const {
  for (const present::Control& shown : present::Controls()) {
    SendMessageW(widgets_[shown.role], WM_UPDATEUISTATE, change, 0);
  }
}

void MainFormWindow::MoveFocusTo(HWND control) {
  SetFocus(control);
  // A one-line box reached from the keyboard has its whole text selected,
  // as in a dialog box.
  const std::optional<design::Role> role = RoleOf(control);
  if (role && present::Of(*role).widget == present::Widget::NumberBox) {
    SendMessageW(control, EM_SETSEL, 0, -1);
  }
}

bool MainFormWindow::PressAccessKey(char16_t letter) {
  const std::optional<design::Role> target = design::AccessKeyTarget(letter);
  if (!target || widgets_[*target] == nullptr) {
    return false;
  }
  // A box's caption moves the focus to the box; a button takes the focus
  // and does what a click does, as a dialog box's buttons do.
  MoveFocusTo(widgets_[*target]);
  if (present::Of(*target).widget == present::Widget::Button) {
    Press(*target);
  }
  return true;
}

std::optional<design::Role> MainFormWindow::RoleOf(HWND control) const {
  const int id = control != nullptr ? GetDlgCtrlID(control) : 0;
  if (id < kFirstControlId || id >= kFirstControlId + static_cast<int>(design::kRoleCount)) {
    return std::nullopt;
  }
  const auto role = static_cast<design::Role>(id - kFirstControlId);
  if (widgets_[role] != control) {
    return std::nullopt;
  }
  return role;
}

HWND MainFormWindow::MakeChild(const present::Control& shown, const wchar_t* window_class,
                               std::u16string_view text, DWORD style, DWORD ex_style) {
  // Made at its size and in its font: a multi-line edit lays its text out
  // as it gets it.
  const present::Rect r = shown.At(static_cast<int>(LayoutDpi()));
  HWND made = CreateWindowExW(
      ex_style, window_class, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
      r.width, r.height, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(shown.role))), instance_, nullptr);
  if (made == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return made;
}

std::pair<std::unique_ptr<TextBox>, HWND> MainFormWindow::MakeTextBox(design::Role role,
                                                                      ControlId id,
                                                                      ControlHook* const& hook) {
  const present::Control& shown = present::Of(role);
  const bool multi_line = shown.widget == present::Widget::TextArea;
  DWORD style = WS_TABSTOP;
  style |= multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
  style |= shown.centred ? ES_CENTER : ES_LEFT;
  style |= shown.read_only ? ES_READONLY : 0;
  HWND edit = MakeChild(shown, L"EDIT", u"", style, WS_EX_CLIENTEDGE);
  WriteProgramText(edit, shown.text);
  if (multi_line) {
    AddSelectAll(edit);
  } else {
    MakeNumberEdit(edit, shown.max_typed > 0 ? shown.max_typed : 0x7FFF,
                   [this, role = shown.role] { Enter(role); });
  }
  return {std::make_unique<EditTextBox>(id, hook, edit), edit};
}

HWND MainFormWindow::MakeWidget(design::Role role, Control& control) {
  const present::Control& shown = present::Of(role);
  switch (shown.widget) {
    case present::Widget::Title:
    case present::Widget::Caption:
      if (shown.background) {
        brushes_[shown.role] = CreateSolidBrush(ToColorRef(*shown.background));
      }
      // A caption with an access key shows it underlined ('&' marks it);
      // one without shows its text as it is.
      return MakeChild(shown, L"STATIC", shown.text,
                       SS_CENTERIMAGE | (shown.access_key != 0 ? 0 : SS_NOPREFIX) |
                           (shown.centred ? SS_CENTER : SS_LEFT),
                       0);
    case present::Widget::List: {
      HWND list =
          MakeChild(shown, L"LISTBOX", shown.name,
                    WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE);
      results_ = &ResultList::Attach(static_cast<ListBox&>(control), list);
      return list;
    }
    case present::Widget::Button: {
      // Drawn here, so that the designed colour shows under every theme.
      HWND button = MakeChild(shown, L"BUTTON", shown.text, WS_TABSTOP | BS_OWNERDRAW, 0);
      MakeCommandButton(button, [this, role = shown.role] { Press(role); });
      return button;
    }
    case present::Widget::NumberBox:
    case present::Widget::TextArea:
      break;  // made by MakeTextBox
  }
  return nullptr;
}

void MainFormWindow::NameForAssistiveTechnology() {
  // Screen readers name a button or a label after its own text, and a box or
  // a list after the label just before it among its siblings (ApplyFocusOrder
  // puts it there): a box its caption; a box or a list without one a label
  // of its own, never shown.
  for (const present::Control& shown : present::Controls()) {
    if (shown.caption) {
      name_labels_[shown.role] = widgets_[*shown.caption];
    } else if (shown.widget == present::Widget::List || shown.widget == present::Widget::TextArea) {
      const std::wstring name = ToWide(shown.name);
      name_labels_[shown.role] =
          CreateWindowExW(0, L"STATIC", name.c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                          window_, nullptr, instance_, nullptr);
    }
  }
}

void MainFormWindow::ApplyFocusOrder() {
  // Tab follows the order of the child windows: the document order, each
  // box or list without a caption just after its own label.
  HWND after = HWND_TOP;
  for (const present::Control& shown : present::Controls()) {
    for (HWND window : {shown.caption ? nullptr : name_labels_[shown.role], widgets_[shown.role]}) {
      if (window != nullptr) {
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = window;
      }
    }
  }
}

HFONT MainFormWindow::FitFont(UINT layout) {
  if (font_dpi_ == layout) {
    return nullptr;
  }
  HFONT font = DesignedFont(layout);
  if (font == nullptr) {
    return nullptr;
  }
  font_dpi_ = layout;
  return std::exchange(font_, font);
}

void MainFormWindow::Layout(const POINT* at) {
  const UINT layout = LayoutDpi();
  HFONT replaced = FitFont(layout);
  for (const present::Control& shown : present::Controls()) {
    if (HWND control = widgets_[shown.role]; control != nullptr) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      const present::Rect r = shown.At(static_cast<int>(layout));
      SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (replaced != nullptr) {
    DeleteObject(replaced);
  }
  // The frame is the screen's, not zoomed.
  const present::Rect client = present::TheWindow().At(static_cast<int>(layout));
  RECT frame{0, 0, client.width, client.height};
  AdjustForDpi(frame, kWindowStyle, kWindowExStyle, dpi_);
  SetWindowPos(window_, nullptr, at != nullptr ? at->x : 0, at != nullptr ? at->y : 0,
               frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE | (at != nullptr ? 0 : SWP_NOMOVE));
  // Where the frame drawn differs from the one computed for this DPI, the
  // client area is set right by what it lacks.
  RECT drawn{};
  GetClientRect(window_, &drawn);
  const int missing_width = client.width - drawn.right;
  const int missing_height = client.height - drawn.bottom;
  if (missing_width != 0 || missing_height != 0) {
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + missing_width,
                 frame.bottom - frame.top + missing_height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  // Every control drawn anew, whole: a resized label would repaint only the
  // part it gained, over text left in the old font.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainFormWindow::Zoom(zoom::Command command) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return;
  }
  const RECT& work = monitor.rcWork;
  RECT frame{0, 0, 0, 0};
  AdjustForDpi(frame, kWindowStyle, kWindowExStyle, dpi_);
  const int next = zoom::After(
      command, zoom_,
      zoom::LargestFitting(work.right - work.left, work.bottom - work.top, frame.right - frame.left,
                           frame.bottom - frame.top, static_cast<int>(dpi_)));
  if (next == zoom_) {
    return;
  }
  zoom_ = next;
  // The window keeps its top left corner, moved back onto the screen's work
  // area where it has grown past its edge.
  RECT outer{};
  GetWindowRect(window_, &outer);
  const present::Rect client = present::TheWindow().At(static_cast<int>(LayoutDpi()));
  const int width = client.width + frame.right - frame.left;
  const int height = client.height + frame.bottom - frame.top;
  POINT at{outer.left, outer.top};
  at.x = std::max(std::min(at.x, work.right - width), work.left);
  at.y = std::max(std::min(at.y, work.bottom - height), work.top);
  Layout(&at);
}

std::optional<zoom::Command> MainFormWindow::ZoomCommandOf(const MSG& message) {
  if (message.message == WM_MOUSEWHEEL) {
    if ((GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) == 0) {
      return std::nullopt;
    }
    return wheel_.Turn(GET_WHEEL_DELTA_WPARAM(message.wParam));
  }
  // Ctrl, with or without Shift (which types '+' on many keyboards), from
  // the main keyboard or the keypad; not with Alt, which AltGr is too.
  if (message.message != WM_KEYDOWN || !ControlDown()) {
    return std::nullopt;
  }
  switch (message.wParam) {
    case VK_ADD:
    case VK_OEM_PLUS:
      return zoom::CommandOfKey(u'+');
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
      return zoom::CommandOfKey(u'-');
    case '0':
    case VK_NUMPAD0:
      return zoom::CommandOfKey(u'0');
    default:
      return std::nullopt;
  }
}

void MainFormWindow::PresentResults(const ListBox&) {
  results_->Present();
}

void MainFormWindow::Report(const Text& message) {
  const std::wstring text = ToWide(message);
  const std::wstring title = ToWide(texts::kErrorTitle);
  MessageBoxW(window_, text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
}

void MainFormWindow::Announce(const Text& announcement) {
  announcer_.Announce(window_, announcement);
}

LRESULT MainFormWindow::ColourStatic(HDC dc, HWND control) const {
  const std::optional<design::Role> role = RoleOf(control);
  if (role && brushes_[*role] != nullptr) {
    // A designed background comes with its own text colour, whatever the
    // theme's: a dark theme's light text would be unreadable on it.
    const present::Control& shown = present::Of(*role);
    SetTextColor(dc, ToColorRef(shown.text_colour));
    SetBkColor(dc, ToColorRef(*shown.background));
    return reinterpret_cast<LRESULT>(brushes_[*role]);
  }
  // A read-only box draws on the theme's text background, as an editable
  // one does, not on the dialog grey.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LRESULT CALLBACK MainFormWindow::WindowProc(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<MainFormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainFormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->OnMessage(message, wparam, lparam);
}

LRESULT MainFormWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (const std::optional<LRESULT> answer = cues_.OnMessage(message, wparam)) {
    return *answer;
  }
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const std::optional<design::Role> role = RoleOf(reinterpret_cast<HWND>(lparam));
        if (role && present::Of(*role).widget == present::Widget::Button) {
          Press(*role);
          return 0;
        }
      }
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      const std::optional<design::Role> role = RoleOf(item.hwndItem);
      if (role && present::Of(*role).shades) {
        DrawCommandButton(item, *present::Of(*role).shades, font_, LayoutDpi());
      }
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      return ColourStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) {
          last_focus_ = focus;
        }
      }
      break;  // activation sets the focus to the window, which passes it on
    case WM_SETFOCUS:
      if (last_focus_ != nullptr && IsWindow(last_focus_)) {
        SetFocus(last_focus_);
      }
      return 0;
    case WM_DPICHANGED: {
      dpi_ = LOWORD(wparam);
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      const POINT at{suggested->left, suggested->top};
      Layout(&at);
      return 0;
    }
    case WM_DESTROY:
      // The control windows go next, and the result list with them.
      results_ = nullptr;
      if (quit_on_close_) {
        PostQuitMessage(0);
      }
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace dd::win32
