// The captions that name the number boxes, and the keyboard cues that show
// their access keys: STATIC controls that draw their own text, so that it
// stands on the baseline of the text in the box beside them.
#pragma once

#include <windows.h>

namespace dd::win32 {

// Makes `label` (a STATIC control with a text style) draw its window text on
// the baseline of the text of `box` (a one-line EDIT control), with the
// access key its '&' marks underlined while the keyboard cues show them. It
// takes its colours from its parent (WM_CTLCOLORSTATIC), as a STATIC does.
void MakeCaption(HWND label, HWND box);

// Whether the keyboard cues of `control`'s top-level window hide access
// keys now (its WM_QUERYUISTATE).
bool AccessKeysHidden(HWND control);

// Draws `control`'s window text with DrawText's `format` into `rect`: the
// letter after '&' underlined, or with `hide_access_key`, not.
void DrawMarkedText(HDC dc, HWND control, RECT& rect, UINT format, bool hide_access_key);

}  // namespace dd::win32
