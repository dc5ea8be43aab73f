// The Win32 window's font and layout for a DPI and a zoom: every control at
// its designed place scaled to the window's DPI and zoom, and the window
// sized to the design's client area, whatever frame the system draws.
#include <algorithm>

#include "window/win32/dpi.h"
#include "window/win32/main_form_window.h"
#include "window/win32/wide_text.h"

namespace dd::win32 {

void MainFormWindow::MakeFont() {
  const std::wstring family = ToWide(design::kFontFamily);
  HFONT font =
      CreateFontW(-MulDiv(design::kFontPoints, static_cast<int>(LayoutDpi()), 72), 0, 0, 0,
                  FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_TT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str());
  if (font == nullptr) {
    return;  // keep the font there is
  }
  if (font_ != nullptr) {
    for (const design::ControlDesign& d : design::kControls) {
      if (widgets_[d.role] != nullptr) {
        SendMessageW(widgets_[d.role], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      }
    }
    DeleteObject(font_);
  }
  font_ = font;
}

void MainFormWindow::Layout(const POINT* at) {
  const UINT layout = LayoutDpi();
  for (const design::ControlDesign& d : design::kControls) {
    if (HWND control = widgets_[d.role]; control != nullptr) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      SetWindowPos(control, nullptr, Scale(d.left, layout), Scale(d.top, layout),
                   Scale(d.width, layout), Scale(d.height, layout), SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  // The frame is the screen's, not zoomed.
  RECT frame{0, 0, Scale(design::kClientWidth, layout), Scale(design::kClientHeight, layout)};
  AdjustForDpi(frame, kWindowStyle, kWindowExStyle, dpi_);
  SetWindowPos(window_, nullptr, at != nullptr ? at->x : 0, at != nullptr ? at->y : 0,
               frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE | (at != nullptr ? 0 : SWP_NOMOVE));
  // Where the frame drawn differs from the one computed for this DPI, the
  // client area is set right by what it lacks.
  RECT client{};
  GetClientRect(window_, &client);
  const int missing_width = Scale(design::kClientWidth, layout) - client.right;
  const int missing_height = Scale(design::kClientHeight, layout) - client.bottom;
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
  MakeFont();
  // The window keeps its top left corner, moved back onto the screen's work
  // area where it has grown past its edge.
  RECT outer{};
  GetWindowRect(window_, &outer);
  const int width = Scale(design::kClientWidth, LayoutDpi()) + frame.right - frame.left;
  const int height = Scale(design::kClientHeight, LayoutDpi()) + frame.bottom - frame.top;
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
  if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) {
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

}  // namespace dd::win32
