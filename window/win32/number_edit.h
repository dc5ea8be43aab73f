// The keys of the window's EDIT controls. A number box edits as every edit
// control does (caret, selection, undo, its context menu) while holding what
// the user types or pastes to a few characters; texts the program writes are
// never cut. Ctrl+A selects the whole text of every edit of the window,
// which not every EDIT control does by itself.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>

namespace dd::win32 {

// Makes `edit` (a one-line EDIT) a number box that takes at most `max_typed`
// characters from the user. Return or Enter there calls `on_enter`, if given,
// and is swallowed otherwise.
void MakeNumberEdit(HWND edit, std::size_t max_typed, std::function<void()> on_enter);
// Ctrl+A selects the whole text of a multi-line edit.
void AddSelectAll(HWND edit);

}  // namespace dd::win32
