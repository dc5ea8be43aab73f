#include "window/win32/caption.h"

#include <memory>
#include <string>

#include "window/win32/subclass.h"
#include "window/win32/wide_text.h"

namespace dd::win32 {
namespace {

// The ascent of the font that `control` draws in.
int AscentOf(HDC dc, HWND control) {
  auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  return metrics.tmAscent;
}

class Caption final : public Subclass {
 public:
  explicit Caption(HWND box) : box_(box) {}

 private:
  LRESULT OnMessage(HWND label, UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;  // painted whole by WM_PAINT
      case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(label, &paint);
        Paint(label, dc);
        EndPaint(label, &paint);
        return 0;
      }
      case WM_PRINTCLIENT:
        Paint(label, reinterpret_cast<HDC>(wparam));
        return 0;
      case WM_UPDATEUISTATE: {
        const LRESULT result = PassOn(label, message, wparam, lparam);
        InvalidateRect(label, nullptr, FALSE);
        return result;
      }
      default:
        break;
    }
    return PassOn(label, message, wparam, lparam);
  }

  void Paint(HWND label, HDC dc) const {
    RECT client{};
    GetClientRect(label, &client);
    // The parent gives the background brush and the text colour, as it
    // does for any STATIC.
    auto* brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                        reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(label)));
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    // A one-line edit draws its line of text at the top of its formatting
    // rectangle; the caption's line goes where its baseline is the box's.
    RECT format{};
    SendMessageW(box_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    POINT line{0, format.top};
    MapWindowPoints(box_, label, &line, 1);
    RECT text = client;
    text.top = line.y + AscentOf(dc, box_) - AscentOf(dc, label);
    const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
    const DWORD type = static_cast<DWORD>(style) & SS_TYPEMASK;
    const UINT format_flags = DT_SINGLELINE | DT_TOP |
                              (type == SS_CENTER  ? DT_CENTER
                               : type == SS_RIGHT ? DT_RIGHT
                                                  : DT_LEFT);
    auto* font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ old_font = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    DrawMarkedText(dc, label, text, format_flags, AccessKeysHidden(label));
    SelectObject(dc, old_font);
  }

  HWND box_;
};

}  // namespace

void MakeCaption(HWND label, HWND box) {
  Subclass::Install(label, std::make_unique<Caption>(box));
}

bool AccessKeysHidden(HWND control) {
  HWND window = GetAncestor(control, GA_ROOT);
  return (SendMessageW(window != nullptr ? window : control, WM_QUERYUISTATE, 0, 0) &
          UISF_HIDEACCEL) != 0;
}

void DrawMarkedText(HDC dc, HWND control, RECT& rect, UINT format, bool hide_access_key) {
  std::wstring text = WindowText(control);
  if (hide_access_key) {
    // The marks taken out, as DT_HIDEPREFIX would; Wine 8 underlines with
    // that flag all the same.
    std::wstring shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L'&' && i + 1 < text.size()) {
        ++i;
      }
      shown.push_back(text[i]);
    }
    text = shown;
    format |= DT_NOPREFIX;
  }
  DrawTextW(dc, text.c_str(), -1, &rect, format);
}

}  // namespace dd::win32
