// The Win32 window's font and layout for a DPI: every control at its
// designed place scaled to the window's DPI, and the window sized to the
// design's client area, whatever frame the system draws.
#include "window/win32/dpi.h"
#include "window/win32/main_form_window.h"
#include "window/win32/wide_text.h"

namespace dd::win32 {

void MainFormWindow::MakeFont() {
  const std::wstring family = ToWide(design::kFontFamily);
  HFONT font =
      CreateFontW(-MulDiv(design::kFontPoints, static_cast<int>(dpi_), 72), 0, 0, 0, FW_NORMAL,
                  FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str());
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
  for (const design::ControlDesign& d : design::kControls) {
    if (HWND control = widgets_[d.role]; control != nullptr) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      SetWindowPos(control, nullptr, Scale(d.left, dpi_), Scale(d.top, dpi_), Scale(d.width, dpi_),
                   Scale(d.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  RECT frame{0, 0, Scale(design::kClientWidth, dpi_), Scale(design::kClientHeight, dpi_)};
  AdjustForDpi(frame, kWindowStyle, kWindowExStyle, dpi_);
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

}  // namespace dd::win32
