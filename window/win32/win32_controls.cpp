#include "window/win32/win32_controls.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "window/typing_limit.h"

namespace dd::win32 {
namespace {

bool IsHighSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

bool IsReadOnly(HWND edit) {
  return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

bool ControlDown() {
  return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

struct Selection {
  std::size_t start, end;
};
Selection SelectionOf(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {std::min(start, end), std::max(start, end)};
}

// Controls are subclassed the classic way: the window procedure replaced,
// the state kept in the window's user data (which the standard controls
// leave to their owner), every message passed on to the control's own
// procedure. comctl32's SetWindowSubclass would do the same, but under Wine
// it makes every message cost about a hundred times more.
struct Subclass {
  WNDPROC control_procedure = nullptr;
};

template <class State>
void Install(HWND control, WNDPROC procedure, std::unique_ptr<State> state) {
  State* kept = state.release();
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(kept));
  kept->control_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

template <class State>
State* StateOf(HWND control) {
  return reinterpret_cast<State*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

// Hands a message on to the control's own procedure; on the last message of
// the window the subclass goes.
template <class State>
LRESULT PassOn(State* state, HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC control_procedure = state->control_procedure;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control_procedure));
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    delete state;
  }
  return CallWindowProcW(control_procedure, control, message, wparam, lparam);
}

struct NumberEditState : Subclass {
  NumberEditState(std::size_t limit, std::function<void()> on_enter)
      : limit(limit), on_enter(std::move(on_enter)) {}
  std::size_t limit;
  std::function<void()> on_enter;
};

struct PressState : Subclass {
  explicit PressState(std::function<void()> press) : press(std::move(press)) {}
  std::function<void()> press;
};

// Whether a typed character may replace the selection. A high surrogate is
// judged with room for its partner, which then follows unjudged.
bool AcceptsTyped(HWND edit, std::size_t limit, wchar_t c) {
  if (IsLowSurrogate(c)) {
    return true;
  }
  const Text before = FromWide(WindowText(edit));
  const Selection selection = SelectionOf(edit);
  const std::size_t start = std::min(selection.start, before.size());
  const std::size_t end = std::min(selection.end, before.size());
  Text after = before.substr(0, start);
  after.push_back(static_cast<char16_t>(c));
  if (IsHighSurrogate(c)) {
    after.push_back(u'\xDC00');
  }
  after += before.substr(end);
  return IsAllowedEdit(before, after, limit);
}

// Pastes what fits of the clipboard's text over the selection, as one step
// the user can undo.
void PasteFitted(HWND edit, std::size_t limit) {
  const Text pasted = FromWide(ClipboardText(edit));
  if (pasted.empty()) {
    return;
  }
  const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  const Selection selection = SelectionOf(edit);
  const std::size_t kept = length - std::min(selection.end - selection.start, length);
  const std::wstring fitted = ToWide(FitInsertion(pasted, kept, limit));
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitted.c_str()));
}

// Ctrl+A selects the whole text, which not every EDIT control does by
// itself; the character it types would only beep.
bool SelectsAll(HWND edit, UINT message, WPARAM wparam) {
  if (message == WM_KEYDOWN && wparam == 'A' && ControlDown()) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return true;
  }
  return message == WM_CHAR && wparam == 0x01;
}

LRESULT CALLBACK NumberEditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = StateOf<NumberEditState>(edit);
  if (SelectsAll(edit, message, wparam)) {
    return 0;
  }
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) {
        if (state->on_enter) {
          state->on_enter();
        }
        return 0;
      }
      // Both paste keys, whichever way the edit control would paste.
      if (!IsReadOnly(edit) && ((wparam == 'V' && ControlDown()) ||
                                (wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 &&
                                 GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0))) {
        PasteFitted(edit, state->limit);
        return 0;
      }
      break;
    case WM_CHAR:
    case WM_IME_CHAR:
      // Return and Ctrl+V were handled as keys.
      if (wparam == L'\r' || wparam == L'\n' || wparam == 0x16) {
        return 0;
      }
      if (wparam >= 0x20 && wparam != 0x7F && !IsReadOnly(edit) &&
          !AcceptsTyped(edit, state->limit, static_cast<wchar_t>(wparam))) {
        return 0;
      }
      break;
    case WM_PASTE:
      if (!IsReadOnly(edit)) {
        PasteFitted(edit, state->limit);
        return 0;
      }
      break;
    default:
      break;
  }
  return PassOn(state, edit, message, wparam, lparam);
}

LRESULT CALLBACK SelectAllProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  if (SelectsAll(edit, message, wparam)) {
    return 0;
  }
  return PassOn(StateOf<Subclass>(edit), edit, message, wparam, lparam);
}

LRESULT CALLBACK PressOnEnterProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = StateOf<PressState>(button);
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) {
        state->press();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wparam == L'\r' || wparam == L'\n') {
        return 0;
      }
      break;
    default:
      break;
  }
  return PassOn(state, button, message, wparam, lparam);
}

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

std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

Text FromWide(std::wstring_view text) {
  return Text(text.begin(), text.end());
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  return text;
}

void WriteProgramText(HWND edit, std::u16string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  const bool multi_line = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_MULTILINE) != 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (multi_line && text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) {
      wide.push_back(L'\r');
    }
    wide.push_back(static_cast<wchar_t>(text[i]));
  }
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void LimitTyping(HWND edit, int max_typed, std::function<void()> on_enter) {
  Install(
      edit, NumberEditProc,
      std::make_unique<NumberEditState>(static_cast<std::size_t>(max_typed), std::move(on_enter)));
}

void AddSelectAll(HWND edit) {
  Install(edit, SelectAllProc, std::make_unique<Subclass>());
}

void PressOnEnter(HWND button, std::function<void()> press) {
  Install(button, PressOnEnterProc, std::make_unique<PressState>(std::move(press)));
}

bool EditTextBox::Locked() const {
  return IsReadOnly(edit_);
}

Text EditTextBox::ReadText() const {
  // A multi-line edit holds its line breaks as CR LF; the text reads back
  // with the line feeds it was written with.
  Text text = FromWide(WindowText(edit_));
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')) {
      text[out++] = text[i];
    }
  }
  text.resize(out);
  return text;
}

void EditTextBox::WriteLocked(bool locked) {
  SendMessageW(edit_, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

ResultList::ResultList(const ListBox& list, HWND control) : list_(list), control_(control) {
  SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  list_procedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
}

void ResultList::Present() {
  if (list_.Revision() == presented_revision_) {
    return;
  }
  const std::size_t count = static_cast<std::size_t>(list_.ListCount());
  std::size_t characters = 0;
  for (std::size_t i = 0; i < count; ++i) {
    characters += list_.ItemView(i).size() + 1;
  }
  SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(control_, LB_RESETCONTENT, 0, 0);
  SendMessageW(control_, LB_INITSTORAGE, count, characters * sizeof(wchar_t));
  std::wstring item;
  for (std::size_t i = 0; i < count; ++i) {
    const std::u16string_view view = list_.ItemView(i);
    item.assign(view.begin(), view.end());
    SendMessageW(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(control_, nullptr, TRUE);
  presented_revision_ = list_.Revision();
}

std::wstring ResultList::SelectedText() const {
  const LRESULT selected = SendMessageW(control_, LB_GETSELCOUNT, 0, 0);
  if (selected <= 0) {
    return {};
  }
  std::vector<int> rows(static_cast<std::size_t>(selected));
  const LRESULT got =
      SendMessageW(control_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
  rows.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
  std::sort(rows.begin(), rows.end());
  std::wstring text;
  std::wstring item;
  for (const int row : rows) {
    const LRESULT length = SendMessageW(control_, LB_GETTEXTLEN, row, 0);
    if (length < 0) {
      continue;
    }
    item.assign(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(control_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    if (!text.empty()) {
      text += L"\r\n";
    }
    text += item;
  }
  return text;
}

void ResultList::CopySelection() const {
  if (SendMessageW(control_, LB_GETSELCOUNT, 0, 0) > 0) {
    SetClipboardText(control_, SelectedText());
  }
}

void ResultList::SelectAll() const {
  const LRESULT count = SendMessageW(control_, LB_GETCOUNT, 0, 0);
  if (count > 0) {
    SendMessageW(control_, LB_SELITEMRANGEEX, 0, count - 1);
  }
}

HMENU ResultList::MakeMenu() const {
  HMENU menu = CreatePopupMenu();
  const bool any_selected = SendMessageW(control_, LB_GETSELCOUNT, 0, 0) > 0;
  const bool any_items = SendMessageW(control_, LB_GETCOUNT, 0, 0) > 0;
  AppendMenuW(menu, MF_STRING | (any_selected ? MF_ENABLED : MF_GRAYED), kCopyCommand,
              L"&Копиране\tCtrl+C");
  AppendMenuW(menu, MF_STRING | (any_items ? MF_ENABLED : MF_GRAYED), kSelectAllCommand,
              L"Избиране на &всичко\tCtrl+A");
  return menu;
}

void ResultList::ShowMenu(POINT screen) const {
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard, the menu opens below the current item rather than
    // wherever the mouse happens to be.
    POINT at{0, 0};
    const LRESULT caret = SendMessageW(control_, LB_GETCARETINDEX, 0, 0);
    RECT item{};
    if (caret >= 0 &&
        SendMessageW(control_, LB_GETITEMRECT, caret, reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
      at = {item.left, item.bottom};
    }
    ClientToScreen(control_, &at);
    screen = at;
  }
  HMENU menu = MakeMenu();
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       screen.x, screen.y, 0, control_, nullptr));
  DestroyMenu(menu);
  RunCommand(command);
}

void ResultList::RunCommand(UINT command) const {
  if (command == kCopyCommand) {
    CopySelection();
  } else if (command == kSelectAllCommand) {
    SelectAll();
  }
}

LRESULT CALLBACK ResultList::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<ResultList*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const WNDPROC list_procedure = self->list_procedure_;
  switch (message) {
    case WM_KEYDOWN:
      // A LISTBOX copies nothing and selects all only by mouse or Shift.
      if ((wparam == 'A' || wparam == 'C') && ControlDown()) {
        wparam == 'A' ? self->SelectAll() : self->CopySelection();
        return 0;
      }
      break;
    case WM_CHAR:
      // Ctrl+A's and Ctrl+C's characters would jump to an item by its text.
      if (wparam == 0x01 || wparam == 0x03) {
        return 0;
      }
      break;
    case WM_CONTEXTMENU:
      self->ShowMenu({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list_procedure));
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return CallWindowProcW(list_procedure, window, message, wparam, lparam);
}

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
