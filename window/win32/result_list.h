// The result list on screen: a LISTBOX that shows a ListBox of the model,
// with the selection and copying people expect of a list they want to take
// numbers out of: Ctrl+A, Ctrl+C and a context menu with both.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "window/controls.h"
#include "window/texts.h"
#include "window/win32/subclass.h"

namespace dd::win32 {

class ResultList final : public Subclass {
 public:
  // Makes `control` (a LISTBOX with LBS_EXTENDEDSEL) show `list`, which must
  // outlive it. The control keeps the result until it is destroyed.
  static ResultList& Attach(const ListBox& list, HWND control);

  // The logic adds items one by one to the ListBox; the control gets them
  // all in one batch when this is called after a handler has run, so that it
  // redraws once and a screen reader hears one change, not thousands.
  void Present();

 private:
  ResultList(const ListBox& list, HWND control) : list_(list), control_(control) {}

  LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override;
  // The selected items' texts, one a line (CR LF between), in list order.
  std::wstring SelectedText() const;
  void Run(texts::ListCommand command) const;
  // Reached from the keyboard while it holds numbers, the list has a
  // current number (the first, when none is; Down goes on to the second)
  // and tells screen readers of it, as it does of a number the arrows reach.
  void TellCurrentItem() const;
  // Opens the context menu at `screen` and runs what is chosen. A point of
  // (-1, -1) means the menu key: the menu opens at the current item.
  void ShowMenu(POINT screen) const;

  const ListBox& list_;
  HWND control_;
};

}  // namespace dd::win32
