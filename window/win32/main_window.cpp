#include "window/win32/main_window.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "window/announcement.h"
#include "window/win32/resource.h"

namespace dd::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"DistinctDigitsMainForm";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;
// Child control identifiers: this plus the control's place in the design table.
constexpr int kFirstControlId = 100;

template <class F>
F Function(const wchar_t* module, const char* name) {
  HMODULE loaded = GetModuleHandleW(module);
  if (loaded == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}

// Windows 10 1607 added the per-window DPI calls; before that the system
// DPI serves.
UINT DpiOf(HWND window) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto get = Function<GetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  if (get != nullptr) {
    if (const UINT dpi = get(window); dpi != 0) {
      return dpi;
    }
  }
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

void AdjustForDpi(RECT& rect, UINT dpi) {
  using AdjustWindowRectExForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust =
      Function<AdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&rect, kWindowStyle, FALSE, kWindowExStyle, dpi)) {
    AdjustWindowRectEx(&rect, kWindowStyle, FALSE, kWindowExStyle);
  }
}

COLORREF ToColorRef(const design::Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

// A colour `percent` per cent as dark as 100 (Qt's QColor::darker).
COLORREF Darker(const design::Rgb& rgb, int percent) {
  return RGB(rgb.red * 100 / percent, rgb.green * 100 / percent, rgb.blue * 100 / percent);
}

std::wstring FromUtf8(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 1) {
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
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

int Scale(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}

void EnablePerMonitorDpiAwareness() {
  using SetProcessDpiAwarenessContext = BOOL(WINAPI*)(HANDLE);
  const auto set =
      Function<SetProcessDpiAwarenessContext>(L"user32.dll", "SetProcessDpiAwarenessContext");
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2. When the manifest has set an
  // awareness already, this fails and that one stays.
  const auto per_monitor_v2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (set != nullptr) {
    set(per_monitor_v2);
    return;
  }
  SetProcessDPIAware();
}

MainFormWindow::MainFormWindow(HINSTANCE instance, ControlHook* hook) : instance_(instance) {
  RegisterWindowClass(instance_, WindowProc);
  const std::wstring caption = ToWide(design::kCaption);
  if (CreateWindowExW(kWindowExStyle, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this) == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  dpi_ = DpiOf(window_);
  MakeFont();
  controls_.SetHook(hook);
  BuildControls(controls_, *this);
  form_.emplace(controls_);
  const wchar_t* const names[] = {L"Условие на задачата", L"Числа с различни цифри"};
  for (std::size_t i = 0; i < name_labels_.size(); ++i) {
    name_labels_[i] = CreateWindowExW(0, L"STATIC", names[i], WS_CHILD | SS_LEFT | SS_NOPREFIX, 0,
                                      0, 0, 0, window_, nullptr, instance_, nullptr);
  }
  SetWindowTextW(ControlWindow("List1", 0), names[1]);
  ApplyFocusOrder();
  Layout(nullptr);
  last_focus_ = ControlWindow(design::kFocusOrder.front().array, design::kFocusOrder.front().index);
  RunHandler([this] { form_->Form_Load(); });
}

MainFormWindow::~MainFormWindow() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
  for (const Placed& placed : placed_) {
    if (placed.brush != nullptr) {
      DeleteObject(placed.brush);
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
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || window_ == nullptr ||
      (message.hwnd != window_ && !IsChild(window_, message.hwnd)) || GetKeyState(VK_CONTROL) < 0 ||
      GetKeyState(VK_MENU) < 0) {
    return false;
  }
  const bool back = GetKeyState(VK_SHIFT) < 0;
  HWND focus = GetFocus();
  HWND next = GetNextDlgTabItem(window_, IsChild(window_, focus) ? focus : nullptr, back);
  if (next != nullptr) {
    SetFocus(next);
    // A one-line box reached by Tab has its whole text selected, as in a
    // dialog box.
    wchar_t class_name[16] = {};
    GetClassNameW(next, class_name, 16);
    if (lstrcmpiW(class_name, L"EDIT") == 0 &&
        (GetWindowLongPtrW(next, GWL_STYLE) & ES_MULTILINE) == 0) {
      SendMessageW(next, EM_SETSEL, 0, -1);
    }
  }
  return true;
}

HWND MainFormWindow::ControlWindow(std::string_view array, std::int16_t index) const {
  for (const Placed& placed : placed_) {
    if (placed.design->array == array && placed.design->index == index) {
      return placed.window;
    }
  }
  return nullptr;
}

const MainFormWindow::Placed* MainFormWindow::PlacedOf(HWND window) const {
  for (const Placed& placed : placed_) {
    if (placed.window == window) {
      return &placed;
    }
  }
  return nullptr;
}

std::unique_ptr<TextBox> MainFormWindow::MakeTextBox(const design::ControlDesign& d, ControlId id,
                                                     ControlHook* const& hook) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  style |= d.multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
  style |= d.centred ? ES_CENTER : ES_LEFT;
  style |= d.read_only ? ES_READONLY : 0;
  const auto control_id = static_cast<INT_PTR>(kFirstControlId + (&d - design::kControls.data()));
  // Made at its size and in its font: a multi-line edit lays its text out
  // as it gets it.
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, Scale(d.left, dpi_),
                              Scale(d.top, dpi_), Scale(d.width, dpi_), Scale(d.height, dpi_),
                              window_, reinterpret_cast<HMENU>(control_id), instance_, nullptr);
  if (edit == nullptr) {
    throw std::runtime_error("CreateWindowExW EDIT");
  }
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  WriteProgramText(edit, d.text);
  if (d.multi_line) {
    AddSelectAll(edit);
  } else {
    // Return or Enter in the start or the end box computes, as the compute
    // button does when clicked.
    std::function<void()> on_enter;
    if (d.array == "Text2" && d.index < 2) {
      on_enter = [this] { RunCommand(0); };
    }
    LimitTyping(edit, d.max_typed > 0 ? d.max_typed : 0x7FFF, std::move(on_enter));
  }
  last_edit_ = edit;
  return std::make_unique<EditTextBox>(id, hook, edit);
}

void MainFormWindow::Added(const design::ControlDesign& d, Control& control) {
  const auto control_id = static_cast<INT_PTR>(kFirstControlId + (&d - design::kControls.data()));
  auto create = [&](const wchar_t* window_class, DWORD style, DWORD ex_style) {
    const std::wstring text = ToWide(d.text);
    HWND made = CreateWindowExW(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                Scale(d.left, dpi_), Scale(d.top, dpi_), Scale(d.width, dpi_),
                                Scale(d.height, dpi_), window_, reinterpret_cast<HMENU>(control_id),
                                instance_, nullptr);
    if (made == nullptr) {
      throw std::runtime_error("CreateWindowExW");
    }
    return made;
  };
  HWND made = nullptr;
  HBRUSH brush = nullptr;
  switch (d.kind) {
    case design::Kind::Label:
      made = create(L"STATIC", SS_CENTERIMAGE | SS_NOPREFIX | (d.centred ? SS_CENTER : SS_LEFT), 0);
      if (d.background != nullptr) {
        brush = CreateSolidBrush(ToColorRef(*d.background));
      }
      break;
    case design::Kind::ListBox:
      if (d.hidden) {
        return;  // the digit list works unseen: it needs no control window
      }
      made = create(L"LISTBOX",
                    WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE);
      results_ = std::make_unique<ResultList>(static_cast<ListBox&>(control), made);
      break;
    case design::Kind::TextBox:
      made = last_edit_;
      break;
    case design::Kind::CommandButton: {
      // Drawn here, so that the designed colour shows under every theme.
      made = create(L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0);
      const std::int16_t index = control.id().index;
      PressOnEnter(made, [this, index] { RunCommand(index); });
      break;
    }
  }
  placed_.push_back({&d, &control, made, brush});
}

void MainFormWindow::MakeFont() {
  HFONT font =
      CreateFontW(-MulDiv(design::kFontPoints, static_cast<int>(dpi_), 72), 0, 0, 0, FW_NORMAL,
                  FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, L"Times New Roman");
  if (font == nullptr) {
    return;  // keep the font there is
  }
  if (font_ != nullptr) {
    for (const Placed& placed : placed_) {
      SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    DeleteObject(font_);
  }
  font_ = font;
}

void MainFormWindow::Layout(const POINT* at) {
  for (const Placed& placed : placed_) {
    const design::ControlDesign& d = *placed.design;
    SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetWindowPos(placed.window, nullptr, Scale(d.left, dpi_), Scale(d.top, dpi_),
                 Scale(d.width, dpi_), Scale(d.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame{0, 0, Scale(design::kClientWidth, dpi_), Scale(design::kClientHeight, dpi_)};
  AdjustForDpi(frame, dpi_);
  SetWindowPos(window_, nullptr, at != nullptr ? at->x : 0, at != nullptr ? at->y : 0,
               frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE | (at != nullptr ? 0 : SWP_NOMOVE));
  // Where the frame drawn differs from the one computed for this DPI, the
  // client area is set right by what it lacks.
  RECT client{};
  GetClientRect(window_, &client);
  const int missing_width = Scale(design::kClientWidth, dpi_) - client.right;
  const int missing_height = Scale(design::kClientHeight, dpi_) - client.bottom;
  if (missing_width != 0 || missing_height != 0) {
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + missing_width,
                 frame.bottom - frame.top + missing_height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

void MainFormWindow::ApplyFocusOrder() {
  // Tab follows the order of the child windows. Controls that take the focus
  // come in the designed order; each label stands just before the box it
  // names, where screen readers look for a box's name.
  std::vector<HWND> order;
  order.push_back(ControlWindow("Label1", 0));
  for (const design::ControlRef& ref : design::kFocusOrder) {
    if (ref.array == "Text1") {
      order.push_back(name_labels_[0]);
    } else if (ref.array == "List1") {
      order.push_back(name_labels_[1]);
    } else if (ref.array == "Text2") {
      order.push_back(ControlWindow("Label1", static_cast<std::int16_t>(ref.index + 1)));
    }
    order.push_back(ControlWindow(ref.array, ref.index));
  }
  HWND after = HWND_TOP;
  for (HWND window : order) {
    if (window != nullptr) {
      SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      after = window;
    }
  }
}

bool MainFormWindow::RunHandler(const std::function<void()>& handler) {
  std::wstring failure;
  try {
    handler();
  } catch (const std::exception& error) {
    failure = FromUtf8(error.what());
    if (failure.empty()) {
      failure = L"?";
    }
  }
  // Show whatever the handler left, finished or not, before any message.
  if (results_ != nullptr) {
    results_->Present();
  }
  if (!failure.empty()) {
    ReportError(failure);
    return false;
  }
  return true;
}

void MainFormWindow::RunCommand(std::int16_t index) {
  CommandButton& button = controls_.Command1(index);
  if (!RunHandler([&button] { button.Click(); })) {
    return;  // a command that fails says so in its message box
  }
  // Tells a screen reader what the command did.
  if (index == 0) {
    const Text start = FromWide(WindowText(ControlWindow("Text2", 0)));
    const Text end = FromWide(WindowText(ControlWindow("Text2", 1)));
    announcer_.Announce(window_, ComputedAnnouncement(start, end, form_->FoundCount));
  } else if (index == 1) {
    announcer_.Announce(window_, ClearedAnnouncement());
  }
}

void MainFormWindow::ReportError(const std::wstring& message) {
  const std::wstring text = L"Действието не можа да завърши.\n" + message;
  MessageBoxW(window_, text.c_str(), L"Грешка", MB_OK | MB_ICONWARNING);
}

void MainFormWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
  const Placed* placed = PlacedOf(item.hwndItem);
  if (placed == nullptr || placed->design->background == nullptr) {
    return;
  }
  const design::Rgb& face = *placed->design->background;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  HBRUSH fill = CreateSolidBrush(pressed ? Darker(face, 115) : ToColorRef(face));
  FillRect(dc, &rect, fill);
  DeleteObject(fill);
  // A raised border in a darker shade of the face; black while focused.
  HBRUSH border = CreateSolidBrush(focused ? RGB(0, 0, 0) : Darker(face, 130));
  const int width = MulDiv(2, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
  RECT edge = rect;
  for (int i = 0; i < width; ++i) {
    FrameRect(dc, &edge, border);
    InflateRect(&edge, -1, -1);
  }
  DeleteObject(border);
  const std::wstring caption =
      ToWide(static_cast<const CommandButton*>(placed->control)->Caption());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ old_font = SelectObject(dc, font_);
  if (pressed) {
    OffsetRect(&rect, 1, 1);
  }
  DrawTextW(dc, caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
}

LRESULT MainFormWindow::ColourStatic(HDC dc, HWND control) {
  const Placed* placed = PlacedOf(control);
  if (placed != nullptr && placed->brush != nullptr) {
    // A designed background comes with black text, whatever the theme's
    // text colour: a dark theme's light text would be unreadable on it.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, ToColorRef(*placed->design->background));
    return reinterpret_cast<LRESULT>(placed->brush);
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
        const Placed* placed = PlacedOf(reinterpret_cast<HWND>(lparam));
        if (placed != nullptr && placed->design->kind == design::Kind::CommandButton) {
          RunCommand(placed->control->id().index);
          return 0;
        }
      }
      break;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
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
      MakeFont();
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      const POINT at{suggested->left, suggested->top};
      Layout(&at);
      return 0;
    }
    case WM_DESTROY:
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
