// The compute and clear buttons: owner-drawn BUTTON controls, so that their
// designed colour shows under every theme, pressed by Return and Enter as by
// Space.
#pragma once

#include <windows.h>

#include <functional>

#include "window/presentation.h"

namespace dd::win32 {

// A designed colour as GDI takes it.
inline COLORREF ToColorRef(const design::Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

// Return and Enter press `button` (a BS_OWNERDRAW BUTTON): `press` does what
// a click does.
void MakeCommandButton(HWND button, std::function<void()> press);
// Draws the button of `item` in its `shades`, its caption (its window text,
// with '&' before the access key) in `font`, with a border two pixels wide
// at 96 DPI, scaled to `dpi`.
void DrawCommandButton(const DRAWITEMSTRUCT& item, const present::Shades& shades, HFONT font,
                       UINT dpi);

}  // namespace dd::win32
