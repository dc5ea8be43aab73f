#include "window/presentation_json.h"

#include <cstdio>

#include "window/presentation.h"
#include "window/texts.h"

namespace dd::present {
namespace {

std::string Quoted(std::string_view ascii) {
  return "\"" + std::string(ascii) + "\"";
}

std::string Colour(const Rgb& c) {
  return "[" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
         std::to_string(c.blue) + "]";
}

std::string RoleJson(design::Role role) {
  return Quoted(design::RoleName(role));
}

// A JSON object from its members, written "name": value.
class Object {
 public:
  Object& Add(std::string_view name, const std::string& value) {
    text_ += (text_.empty() ? "{" : ",") + Quoted(name) + ":" + value;
    return *this;
  }
  std::string Close() const { return text_.empty() ? "{}" : text_ + "}"; }

 private:
  std::string text_;
};

// A control; what is false, empty or the platform's own is left out.
std::string ControlJson(const Control& c) {
  const Rect r = c.At(96);
  Object o;
  o.Add("role", RoleJson(c.role))
      .Add("index", std::to_string(static_cast<int>(c.role)))
      .Add("widget", Quoted(NameOf(c.widget)))
      .Add("id", Quoted(c.object_name))
      .Add("text", JsonQuoted(c.text))
      .Add("name", JsonQuoted(c.name))
      .Add("rect", "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                       std::to_string(r.width) + "," + std::to_string(r.height) + "]");
  if (!c.keys.empty()) {
    o.Add("keys", JsonQuoted(c.keys));
  }
  if (c.background) {
    o.Add("background", Colour(*c.background)).Add("textColour", Colour(c.text_colour));
  }
  if (c.centred) {
    o.Add("centred", "true");
  }
  if (c.read_only) {
    o.Add("readOnly", "true");
  }
  if (c.enter != EnterKey::None) {
    o.Add("enter", Quoted(c.enter == EnterKey::Next ? "next" : "go"));
  }
  if (c.shades) {
    o.Add("shades", Object()
                        .Add("face", Colour(c.shades->face))
                        .Add("border", Colour(c.shades->border))
                        .Add("pressed", Colour(c.shades->pressed))
                        .Add("focused", Colour(c.shades->focused))
                        .Add("borderWidth", std::to_string(c.shades->border_width))
                        .Close());
  }
  if (c.box) {
    o.Add("box", Quoted(present::Of(*c.box).object_name))
        .Add("captionPad", std::to_string(c.caption_pad));
  }
  return o.Close();
}

}  // namespace

std::string JsonQuoted(std::u16string_view text) {
  std::string out = "\"";
  for (const char16_t c : text) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
    out += c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\' ? std::string(1, static_cast<char>(c))
                                                            : std::string(escaped);
  }
  return out + "\"";
}

std::string PresentationJson() {
  const Window& w = TheWindow();
  const Rect client = w.At(96);
  std::string focus;
  for (const design::Role role : w.focus_order) {
    focus += (focus.empty() ? "[" : ",") + RoleJson(role);
  }
  std::string controls;
  for (const Control& c : Controls()) {
    controls += (controls.empty() ? "[\n" : ",\n") + ControlJson(c);
  }
  std::string menu;
  for (const MenuItem& item : ResultsMenu(0, 0)) {
    menu +=
        (menu.empty() ? "[" : ",") +
        Object()
            .Add("action", Quoted(item.command == texts::ListCommand::Copy ? "copy" : "selectAll"))
            .Add("text", JsonQuoted(item.text))
            .Add("key", JsonQuoted(std::u16string(1, item.key)))
            .Close();
  }
  return Object()
             .Add("window", Object()
                                .Add("caption", JsonQuoted(w.caption))
                                .Add("client", "[" + std::to_string(client.width) + "," +
                                                   std::to_string(client.height) + "]")
                                .Add("margin", std::to_string(w.page_margin))
                                .Add("background", Colour(w.background))
                                .Add("textColour", Colour(w.text_colour))
                                .Add("fontFamily", JsonQuoted(w.font_family))
                                .Add("fontPoints", std::to_string(w.font_points))
                                .Add("focusOrder", focus + "]")
                                .Close())
             .Add("controls", controls + "\n]")
             .Add("menu", menu + "]")
             .Add("texts", Object()
                               .Add("errorTitle", JsonQuoted(texts::kErrorTitle))
                               .Add("dismiss", JsonQuoted(texts::kErrorDismiss))
                               .Add("emptyResults", JsonQuoted(texts::kEmptyResults))
                               .Close())
             .Close() +
         "\n";
}

}  // namespace dd::present
