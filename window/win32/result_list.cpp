#include "window/win32/result_list.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "window/presentation.h"
#include "window/win32/clipboard.h"
#include "window/win32/wide_text.h"

namespace dd::win32 {
namespace {

// A menu item's identifier: its command's number, from 1 (0 is none).
UINT MenuId(texts::ListCommand command) {
  return static_cast<UINT>(command) + 1;
}

}  // namespace

ResultList& ResultList::Attach(const ListBox& list, HWND control) {
  return Install(control, std::unique_ptr<ResultList>(new ResultList(list, control)));
}

void ResultList::Present() {
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
}

std::wstring ResultList::SelectedText() const {
  std::vector<bool> selected(static_cast<std::size_t>(list_.ListCount()));
  const LRESULT count = SendMessageW(control_, LB_GETSELCOUNT, 0, 0);
  std::vector<int> rows(static_cast<std::size_t>(std::max<LRESULT>(count, 0)));
  const LRESULT got =
      SendMessageW(control_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
  for (LRESULT i = 0; i < got; ++i) {
    const auto row = static_cast<std::size_t>(rows[static_cast<std::size_t>(i)]);
    if (row < selected.size()) {
      selected[row] = true;
    }
  }
  // Windows' clipboard text ends its lines in CR LF.
  std::wstring text;
  for (const char16_t c : present::CopyOf(list_, selected)) {
    if (c == u'\n') {
      text += L'\r';
    }
    text += static_cast<wchar_t>(c);
  }
  return text;
}

void ResultList::Run(texts::ListCommand command) const {
  switch (command) {
    case texts::ListCommand::Copy:
      if (SendMessageW(control_, LB_GETSELCOUNT, 0, 0) > 0) {
        SetClipboardText(control_, SelectedText());
      }
      break;
    case texts::ListCommand::SelectAll:
      if (const LRESULT count = SendMessageW(control_, LB_GETCOUNT, 0, 0); count > 0) {
        SendMessageW(control_, LB_SELITEMRANGEEX, 0, count - 1);
      }
      break;
  }
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
  // Each item with its Ctrl shortcut after a tab.
  const auto selected = SendMessageW(control_, LB_GETSELCOUNT, 0, 0);
  HMENU menu = CreatePopupMenu();
  for (const present::MenuItem& item :
       present::ResultsMenu(static_cast<std::size_t>(std::max<LRESULT>(selected, 0)),
                            static_cast<std::size_t>(list_.ListCount()))) {
    const std::wstring text = ToWide(item.text) + L"\tCtrl+" + static_cast<wchar_t>(item.key);
    AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), MenuId(item.command),
                text.c_str());
  }
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       screen.x, screen.y, 0, control_, nullptr));
  DestroyMenu(menu);
  for (const texts::MenuItem& item : texts::kResultsMenu) {
    if (chosen == MenuId(item.command)) {
      Run(item.command);
    }
  }
}

void ResultList::TellCurrentItem() const {
  // A click makes the clicked number current, and the list tells of it.
  if (GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0) {
    return;
  }
  const LRESULT count = SendMessageW(control_, LB_GETCOUNT, 0, 0);
  if (count <= 0) {
    return;
  }
  LRESULT current = SendMessageW(control_, LB_GETCARETINDEX, 0, 0);
  if (current < 0 || current >= count) {
    current = 0;
    SendMessageW(control_, LB_SETCARETINDEX, 0, FALSE);
  }
  // After the list's own focus event, so that a screen reader goes on to
  // the number and says it.
  NotifyWinEvent(EVENT_OBJECT_FOCUS, control_, OBJID_CLIENT, static_cast<LONG>(current) + 1);
}

LRESULT ResultList::OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      // A LISTBOX copies nothing and selects all only by mouse or Shift.
      if (ControlDown()) {
        for (const texts::MenuItem& item : texts::kResultsMenu) {
          if (wparam == static_cast<WPARAM>(item.key)) {
            Run(item.command);
            return 0;
          }
        }
      }
      break;
    case WM_CHAR:
      // The Ctrl letters' characters would jump to an item by its text.
      for (const texts::MenuItem& item : texts::kResultsMenu) {
        if (wparam == static_cast<WPARAM>(item.key - u'A' + 1)) {
          return 0;
        }
      }
      break;
    case WM_SETFOCUS: {
      const LRESULT result = PassOn(control, message, wparam, lparam);
      TellCurrentItem();
      return result;
    }
    case WM_CONTEXTMENU:
      ShowMenu({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      return 0;
    default:
      break;
  }
  return PassOn(control, message, wparam, lparam);
}

}  // namespace dd::win32
