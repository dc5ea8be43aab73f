#include "window/win32/command_button.h"

#include <memory>
#include <string>
#include <utility>

#include "window/win32/caption.h"
#include "window/win32/subclass.h"

namespace dd::win32 {
namespace {

class CommandButton final : public Subclass {
 public:
  explicit CommandButton(std::function<void()> press) : press_(std::move(press)) {}

 private:
  LRESULT OnMessage(HWND button, UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_KEYDOWN:
        if (wparam == VK_RETURN) {
          press_();
          return 0;
        }
        break;
      case WM_CHAR:
        if (wparam == L'\r' || wparam == L'\n') {
          return 0;
        }
        break;
      case WM_UPDATEUISTATE: {
        // Drawn again with the access key's underline shown or hidden.
        const LRESULT result = PassOn(button, message, wparam, lparam);
        InvalidateRect(button, nullptr, FALSE);
        return result;
      }
      default:
        break;
    }
    return PassOn(button, message, wparam, lparam);
  }

  std::function<void()> press_;
};

}  // namespace

void MakeCommandButton(HWND button, std::function<void()> press) {
  Subclass::Install(button, std::make_unique<CommandButton>(std::move(press)));
}

void DrawCommandButton(const DRAWITEMSTRUCT& item, const present::Shades& shades, HFONT font,
                       UINT dpi) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  HBRUSH fill = CreateSolidBrush(ToColorRef(pressed ? shades.pressed : shades.face));
  FillRect(dc, &rect, fill);
  DeleteObject(fill);
  // A raised border in a darker shade of the face; another while focused.
  HBRUSH border = CreateSolidBrush(ToColorRef(focused ? shades.focused : shades.border));
  const int width = MulDiv(shades.border_width, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
  RECT edge = rect;
  for (int i = 0; i < width; ++i) {
    FrameRect(dc, &edge, border);
    InflateRect(&edge, -1, -1);
  }
  DeleteObject(border);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(shades.text));
  HGDIOBJ old_font = SelectObject(dc, font);
  if (pressed) {
    OffsetRect(&rect, 1, 1);
  }
  // The access key's '&' underlines its letter, unless the keyboard cues
  // hide access keys now.
  const bool hide_access_key =
      (item.itemState & ODS_NOACCEL) != 0 || AccessKeysHidden(item.hwndItem);
  DrawMarkedText(dc, item.hwndItem, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, hide_access_key);
  SelectObject(dc, old_font);
}

}  // namespace dd::win32
