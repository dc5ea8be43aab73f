// Win32 controls behind the control operations: EDIT controls for the text
// boxes, a LISTBOX that shows the result list, and the keyboard, clipboard
// and menu behaviour those controls need to edit and copy as the Qt window
// does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "window/controls.h"

namespace dd::win32 {

// UTF-16 both: these only copy.
std::wstring ToWide(std::u16string_view text);
Text FromWide(std::wstring_view text);
// The whole text of a window or control.
std::wstring WindowText(HWND window);

// Replaces the whole text of an edit control, however long, and shows it
// from its start with the caret there, as a program's write is shown. A
// multi-line edit gets its line breaks as CR LF.
void WriteProgramText(HWND edit, std::u16string_view text);

// Makes `edit` (a one-line EDIT) hold what the user types or pastes to
// `max_typed` characters; the program's own writes stay whole. Return or
// Enter there calls `on_enter`, if given. Ctrl+A selects the whole text.
void LimitTyping(HWND edit, int max_typed, std::function<void()> on_enter);
// Ctrl+A selects the whole text of a multi-line edit too.
void AddSelectAll(HWND edit);
// Return and Enter press a focused button, as Space does; `press` does what
// a click does.
void PressOnEnter(HWND button, std::function<void()> press);

// A text box over an EDIT control.
class EditTextBox final : public TextBox {
 public:
  EditTextBox(ControlId id, ControlHook* const& hook, HWND edit) : TextBox(id, hook), edit_(edit) {}

  bool Locked() const override;
  HWND Handle() const { return edit_; }

 protected:
  Text ReadText() const override;
  void WriteText(std::u16string_view text) override { WriteProgramText(edit_, text); }
  void WriteLocked(bool locked) override;

 private:
  HWND edit_;
};

// Command identifiers of the result list's context menu.
inline constexpr UINT kCopyCommand = 1;
inline constexpr UINT kSelectAllCommand = 2;

// Shows a ListBox in a LISTBOX control. The logic adds items one by one to
// the ListBox; the control gets them all in one batch when Present() is
// called after a handler has run, so that it redraws once and a screen
// reader hears one change, not thousands. The control keeps the selection
// and copying people expect of a list they want to take numbers out of:
// Ctrl+A, Ctrl+C and a context menu with both.
class ResultList {
 public:
  ResultList(const ListBox& list, HWND control);
  ResultList(const ResultList&) = delete;
  ResultList& operator=(const ResultList&) = delete;

  void Present();
  HWND Handle() const { return control_; }

  // The selected items' texts, one a line (CR LF between), in list order.
  std::wstring SelectedText() const;
  // Puts SelectedText() on the clipboard, if anything is selected.
  void CopySelection() const;
  void SelectAll() const;
  // The context menu as offered now: Copy enabled while something is
  // selected, Select all while the list has items. The caller destroys it.
  HMENU MakeMenu() const;
  // Opens the context menu at `screen` and runs what is chosen. A point of
  // (-1, -1) means the menu key: the menu opens at the current item.
  void ShowMenu(POINT screen) const;
  void RunCommand(UINT command) const;

 private:
  // The list's own window procedure comes after this one. Subclassed the
  // classic way (the window procedure replaced, this object in the window's
  // user data): comctl32's SetWindowSubclass makes every message of the
  // thousands a fill sends cost a hundred times more under Wine.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  const ListBox& list_;
  HWND control_;
  WNDPROC list_procedure_ = nullptr;
  std::uint64_t presented_revision_ = 0;
};

// Puts a text on the clipboard as Unicode text; false if that failed.
bool SetClipboardText(HWND owner, std::wstring_view text);
// The clipboard's Unicode text; empty if it holds none.
std::wstring ClipboardText(HWND owner);

}  // namespace dd::win32
