#include "window/win32/main_form_window.h"

#include <functional>
#include <stdexcept>
#include <string>

#include "window/texts.h"
#include "window/win32/caption.h"
#include "window/win32/command_button.h"
#include "window/win32/dpi.h"
#include "window/win32/number_edit.h"
#include "window/win32/resource.h"
#include "window/win32/result_list.h"
#include "window/win32/wide_text.h"
#include "window/win32/win32_controls.h"

namespace dd::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"DistinctDigitsMainForm";
// Child control identifiers: this plus the control's role.
constexpr int kFirstControlId = 100;

COLORREF ToColorRef(const design::Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

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
  window_class.hbrBackground = CreateSolidBrush(ToColorRef(design::kWindowBackground));
  window_class.lpszClassName = kWindowClass;
  if (RegisterClassExW(&window_class) == 0) {
    throw std::runtime_error("RegisterClassExW");
  }
}

}  // namespace

int ControlIdOf(design::Role role) {
  return kFirstControlId + static_cast<int>(role);
}

MainFormWindow::MainFormWindow(HINSTANCE instance, ControlHook* hook)
    : WindowHost(hook), instance_(instance) {
  RegisterWindowClass(instance_, WindowProc);
  const std::wstring caption = ToWide(design::kCaption);
  if (CreateWindowExW(kWindowExStyle, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this) == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  dpi_ = DpiOf(window_);
  MakeFont();
  Start();
}

void MainFormWindow::Arrange() {
  for (const design::CaptionOfBox& named : design::kBoxCaptions) {
    MakeCaption(widgets_[named.caption], widgets_[named.box]);
  }
  // The controls start from the window's keyboard cues, which hide nothing:
  // the focus shows whatever the last input was. Then the access keys are
  // hidden until Alt is held.
  TellControls(MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL));
  ShowAccessKeys(false);
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
  for (const design::ControlDesign& d : design::kControls) {
    if (brushes_[d.role] != nullptr) {
      DeleteObject(brushes_[d.role]);
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
      // The access keys are underlined while Alt is held.
      if (message.wParam == VK_MENU) {
        ShowAccessKeys(true);
      }
      break;
    case WM_SYSKEYUP:
    case WM_KEYUP:
      if (message.wParam == VK_MENU) {
        ShowAccessKeys(false);
      }
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

void MainFormWindow::ShowAccessKeys(bool show) {
  BOOL always = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0);
  const bool shown = show || always != FALSE;
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEACCEL),
               0);
}

void MainFormWindow::TellControls(WPARAM change) const {
  for (const design::ControlDesign& d : design::kControls) {
    if (widgets_[d.role] != nullptr) {
      SendMessageW(widgets_[d.role], WM_UPDATEUISTATE, change, 0);
    }
  }
}

void MainFormWindow::MoveFocusTo(HWND control) {
  SetFocus(control);
  // A one-line box reached from the keyboard has its whole text selected,
  // as in a dialog box.
  const std::optional<design::Role> role = RoleOf(control);
  if (role && design::Of(*role).kind == design::Kind::TextBox && !design::Of(*role).multi_line) {
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
  if (design::Of(*target).kind == design::Kind::CommandButton) {
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

HWND MainFormWindow::MakeChild(const design::ControlDesign& d, const wchar_t* window_class,
                               std::u16string_view text, DWORD style, DWORD ex_style) {
  // Made at its size and in its font: a multi-line edit lays its text out
  // as it gets it.
  HWND made = CreateWindowExW(
      ex_style, window_class, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
      Scale(d.left, LayoutDpi()), Scale(d.top, LayoutDpi()), Scale(d.width, LayoutDpi()),
      Scale(d.height, LayoutDpi()), window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(d.role))), instance_, nullptr);
  if (made == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return made;
}

std::pair<std::unique_ptr<TextBox>, HWND> MainFormWindow::MakeTextBox(
    const design::ControlDesign& d, ControlId id, ControlHook* const& hook) {
  DWORD style = WS_TABSTOP;
  style |= d.multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
  style |= d.centred ? ES_CENTER : ES_LEFT;
  style |= d.read_only ? ES_READONLY : 0;
  HWND edit = MakeChild(d, L"EDIT", u"", style, WS_EX_CLIENTEDGE);
  WriteProgramText(edit, d.text);
  if (d.multi_line) {
    AddSelectAll(edit);
  } else {
    std::function<void()> on_enter;
    if (design::ComputesOnEnter(d.role)) {
      on_enter = [this] { Press(design::Role::Compute); };
    }
    MakeNumberEdit(edit, static_cast<std::size_t>(d.max_typed > 0 ? d.max_typed : 0x7FFF),
                   std::move(on_enter));
  }
  return {std::make_unique<EditTextBox>(id, hook, edit), edit};
}

HWND MainFormWindow::MakeWidget(const design::ControlDesign& d, Control& control) {
  switch (d.kind) {
    case design::Kind::Label:
      if (d.background != nullptr) {
        brushes_[d.role] = CreateSolidBrush(ToColorRef(*d.background));
      }
      // A caption with an access key shows it underlined ('&' marks it);
      // one without shows its text as it is.
      return MakeChild(d, L"STATIC", design::MarkedCaption(d.role),
                       SS_CENTERIMAGE | (design::AccessKeyOf(d.role) != 0 ? 0 : SS_NOPREFIX) |
                           (d.centred ? SS_CENTER : SS_LEFT),
                       0);
    case design::Kind::ListBox: {
      if (d.hidden) {
        return nullptr;  // the digit list works unseen: it needs no control window
      }
      HWND list =
          MakeChild(d, L"LISTBOX", design::AccessibleName(d.role),
                    WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE);
      results_ = &ResultList::Attach(static_cast<ListBox&>(control), list);
      return list;
    }
    case design::Kind::CommandButton: {
      // Drawn here, so that the designed colour shows under every theme.
      HWND button =
          MakeChild(d, L"BUTTON", design::MarkedCaption(d.role), WS_TABSTOP | BS_OWNERDRAW, 0);
      MakeCommandButton(button, [this, role = d.role] { Press(role); });
      return button;
    }
    case design::Kind::TextBox:
      break;  // made by MakeTextBox
  }
  return nullptr;
}

void MainFormWindow::NameForAssistiveTechnology() {
  // Screen readers name a button or a label after its own text, and a box or
  // a list after the label just before it among its siblings (ApplyFocusOrder
  // puts it there): a box its caption; a box or a list without one a label
  // of its own, never shown.
  for (const design::CaptionOfBox& named : design::kBoxCaptions) {
    name_labels_[named.box] = widgets_[named.caption];
  }
  for (const design::ControlDesign& d : design::kControls) {
    const bool named_by_label = d.kind == design::Kind::TextBox || d.kind == design::Kind::ListBox;
    if (widgets_[d.role] != nullptr && named_by_label && name_labels_[d.role] == nullptr) {
      const std::wstring name = ToWide(design::AccessibleName(d.role));
      name_labels_[d.role] =
          CreateWindowExW(0, L"STATIC", name.c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                          window_, nullptr, instance_, nullptr);
    }
  }
}

void MainFormWindow::ApplyFocusOrder() {
  // Tab follows the order of the child windows: the design's document
  // order, each box or list without a caption just after its own label.
  HWND after = HWND_TOP;
  for (const design::Role role : design::kDocumentOrder) {
    for (HWND window : {design::CaptionOf(role) ? nullptr : name_labels_[role], widgets_[role]}) {
      if (window != nullptr) {
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = window;
      }
    }
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
    // A designed background comes with black text, whatever the theme's
    // text colour: a dark theme's light text would be unreadable on it.
    SetTextColor(dc, ToColorRef(design::kTextOnDesignedBackground));
    SetBkColor(dc, ToColorRef(*design::Of(*role).background));
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
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const std::optional<design::Role> role = RoleOf(reinterpret_cast<HWND>(lparam));
        if (role && design::Of(*role).kind == design::Kind::CommandButton) {
          Press(*role);
          return 0;
        }
      }
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      const std::optional<design::Role> role = RoleOf(item.hwndItem);
      if (role && design::Of(*role).background != nullptr) {
        DrawCommandButton(item, *design::Of(*role).background, font_, LayoutDpi());
      }
      return TRUE;
    }
    case WM_CHANGEUISTATE: {
      // The keyboard cues of the window and its controls are kept here:
      // Windows keeps them for every window, but Wine for none. The
      // controls that draw access keys ask for them, and are told of a
      // change to draw themselves again.
      const WORD cues = HIWORD(wparam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
      WORD changed = keyboard_cues_;
      if (LOWORD(wparam) == UIS_SET) {
        changed |= cues;
      } else if (LOWORD(wparam) == UIS_CLEAR) {
        changed &= static_cast<WORD>(~cues);
      }
      if (changed != keyboard_cues_) {
        keyboard_cues_ = changed;
        TellControls(wparam);
      }
      return 0;
    }
    case WM_UPDATEUISTATE:
      return 0;  // changed by WM_CHANGEUISTATE only
    case WM_QUERYUISTATE:
      return keyboard_cues_;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETKEYBOARDCUES) {
        ShowAccessKeys(false);
      }
      break;
    case WM_CTLCOLORSTATIC:
      return ColourStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        ShowAccessKeys(false);  // Alt may be let go elsewhere
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
      MakeFont();
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
