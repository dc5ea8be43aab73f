#include "window/presentation.h"

#include <algorithm>

#include "window/zoom.h"

namespace dd::present {
namespace {

constexpr std::array<std::string_view, 6> kWidgetNames{"title",     "caption",  "list",
                                                       "numberBox", "textArea", "button"};

// A caption or a button's text with its access key marked by '&'.
std::u16string Marked(Role role) {
  std::u16string caption(design::Of(role).text);
  for (const design::AccessKey& key : design::kAccessKeys) {
    if (key.role == role) {
      caption.insert(key.position, 1, u'&');
    }
  }
  return caption;
}

Control Present(const design::ControlDesign& d) {
  Control c;
  c.role = d.role;
  c.widget = WidgetOf(d.role);
  c.object_name = ControlId{d.array, d.index}.ToString();
  const bool shows_caption =
      c.widget == Widget::Title || c.widget == Widget::Caption || c.widget == Widget::Button;
  c.text = shows_caption ? Marked(d.role) : std::u16string(d.text);
  c.name = std::u16string(design::AccessibleName(d.role));
  c.caption = design::CaptionOf(d.role);
  c.box = design::BoxNamedBy(d.role);
  c.access_key = design::AccessKeyOf(d.role);
  // A box is reached by its caption's key, and tells it itself.
  if (const char16_t key = design::AccessKeyOf(c.caption.value_or(d.role)); key != 0 && !c.box) {
    c.keys = u"Alt+" + std::u16string(1, key);
  }
  if (d.background != nullptr) {
    c.background = *d.background;
    if (c.widget == Widget::Button) {
      c.shades = Shades{*d.background,
                        design::Darker(*d.background, design::kButtonBorderShade),
                        design::Darker(*d.background, design::kButtonPressedShade),
                        design::kFocusedButtonBorder,
                        design::kButtonText,
                        design::kButtonBorderWidth};
    }
  }
  c.text_colour =
      c.widget == Widget::Button ? design::kButtonText : design::kTextOnDesignedBackground;
  c.centred = d.centred;
  c.read_only = d.read_only;
  c.max_typed = TypingLimitOf(d.role);
  c.enter = EnterOf(d.role);
  c.next = NextOf(d.role);
  if (c.box) {
    // Both centre their line: padding the caption's top by twice the
    // distance between their middles puts its line where the box's is.
    const design::ControlDesign& box = design::Of(*c.box);
    c.caption_pad = std::max(
        0, design::Pixels(2 * box.top + box.height) - design::Pixels(2 * d.top + d.height));
  }
  c.twips_left = d.left;
  c.twips_top = d.top;
  c.twips_width = d.width;
  c.twips_height = d.height;
  return c;
}

std::vector<Control> MakeControls() {
  std::vector<Control> controls;
  for (const Role role : design::kDocumentOrder) {
    controls.push_back(Present(design::Of(role)));
  }
  return controls;
}

}  // namespace

std::string_view NameOf(Widget widget) {
  return kWidgetNames[static_cast<std::size_t>(widget)];
}

Rect Control::At(int dpi, int percent) const {
  const int layout = zoom::LayoutDpi(dpi, percent);
  return {zoom::Pixels(twips_left, layout), zoom::Pixels(twips_top, layout),
          zoom::Pixels(twips_width, layout), zoom::Pixels(twips_height, layout)};
}

const std::vector<Control>& Controls() {
  static const std::vector<Control> controls = MakeControls();
  return controls;
}

const Control& Of(Role role) {
  const std::vector<Control>& controls = Controls();
  return *std::find_if(controls.begin(), controls.end(),
                       [role](const Control& c) { return c.role == role; });
}

Rect Window::At(int dpi, int percent) const {
  const int layout = zoom::LayoutDpi(dpi, percent);
  return {0, 0, zoom::Pixels(design::kClientWidth, layout),
          zoom::Pixels(design::kClientHeight, layout)};
}

const Window& TheWindow() {
  static const Window window{design::kCaption,
                             design::kWindowBackground,
                             design::kTextOnDesignedBackground,
                             design::kFontFamily,
                             design::kFontPoints,
                             design::kFocusOrder,
                             8};
  return window;
}

std::array<MenuItem, texts::kResultsMenu.size()> ResultsMenu(std::size_t selected,
                                                             std::size_t items) {
  std::array<MenuItem, texts::kResultsMenu.size()> menu{};
  for (std::size_t i = 0; i < menu.size(); ++i) {
    const texts::MenuItem& item = texts::kResultsMenu[i];
    const bool enabled = item.command == texts::ListCommand::Copy ? selected > 0 : items > 0;
    menu[i] = {item.command, item.text, item.key, enabled};
  }
  return menu;
}

Text CopyOf(const ListBox& list, const std::vector<bool>& selected) {
  Text copied;
  bool first = true;
  for (std::size_t i = 0; i < selected.size() && i < static_cast<std::size_t>(list.ListCount());
       ++i) {
    if (selected[i]) {
      copied += first ? u"" : u"\n";
      copied += list.ItemView(i);
      first = false;
    }
  }
  return copied;
}

}  // namespace dd::present
