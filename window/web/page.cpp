#include "window/web/page.h"

#include <emscripten.h>

#include <string>

// Texts cross as UTF-16 code units in the module's memory, with their length.
// clang-format off
EM_JS(void, dd_page_make_window, (int width, int height, int margin, int background,
                                  const char16_t* family, int family_length, int points), {
  ddPage.makeWindow(width, height, margin, background, ddPage.text(family, family_length),
                    points);
});
EM_JS(void, dd_page_make, (int role, int tag, const char16_t* id, int length), {
  ddPage.make(role, tag, ddPage.text(id, length));
});
EM_JS(void, dd_page_place, (int role, int left, int top, int width, int height), {
  ddPage.place(role, left, top, width, height);
});
EM_JS(void, dd_page_fill, (int role, int background, int text), {
  ddPage.fill(role, background, text);
});
EM_JS(void, dd_page_shade_button, (int role, int face, int border, int pressed, int focused), {
  ddPage.shadeButton(role, face, border, pressed, focused);
});
EM_JS(void, dd_page_centre, (int role), { ddPage.centre(role); });
EM_JS(void, dd_page_pad_top, (int role, int pixels), { ddPage.padTop(role, pixels); });
EM_JS(void, dd_page_caption, (int role, const char16_t* text, int length), {
  ddPage.caption(role, ddPage.text(text, length));
});
EM_JS(void, dd_page_key_shortcut, (int role, const char16_t* keys, int length), {
  ddPage.keyShortcut(role, ddPage.text(keys, length));
});
EM_JS(void, dd_page_attribute, (int role, const char16_t* name, int name_length,
                                const char16_t* value, int value_length), {
  ddPage.attribute(role, ddPage.text(name, name_length), ddPage.text(value, value_length));
});
EM_JS(void, dd_page_describe, (int role, const char16_t* text, int length), {
  ddPage.describe(role, ddPage.text(text, length));
});
EM_JS(void, dd_page_set_text, (int role, const char16_t* text, int length), {
  ddPage.setText(role, ddPage.text(text, length));
});
EM_JS(int, dd_page_get_text, (int role), { return ddPage.getText(role); });
EM_JS(void, dd_page_set_read_only, (int role, int read_only), {
  ddPage.setReadOnly(role, read_only !== 0);
});
EM_JS(int, dd_page_read_only, (int role), { return ddPage.readOnly(role) ? 1 : 0; });
EM_JS(void, dd_page_limit_typing, (int role), { ddPage.limitTyping(role); });
EM_JS(void, dd_page_show_items, (int role, const char16_t* joined, int length, int count), {
  ddPage.showItems(role, ddPage.text(joined, length), count);
});
EM_JS(void, dd_page_add_menu_item, (const char16_t* action, int action_length,
                                    const char16_t* text, int text_length, int key), {
  ddPage.addMenuItem(ddPage.text(action, action_length), ddPage.text(text, text_length),
                     String.fromCharCode(key));
});
EM_JS(void, dd_page_announce, (const char16_t* text, int length), {
  ddPage.announce(ddPage.text(text, length));
});
EM_JS(void, dd_page_report, (const char16_t* title, int title_length, const char16_t* text,
                             int text_length, const char16_t* dismiss, int dismiss_length), {
  ddPage.report(ddPage.text(title, title_length), ddPage.text(text, text_length),
                ddPage.text(dismiss, dismiss_length));
});
EM_JS(void, dd_page_focus, (int role), { ddPage.focus(role); });
EM_JS(void, dd_page_put_keyboard_away, (), { ddPage.putKeyboardAway(); });
EM_JS(void, dd_page_failed, (const char16_t* text, int length), {
  ddPage.failed(ddPage.text(text, length));
});
EM_JS(void, dd_page_ready, (), { ddPage.ready(); });
// clang-format on

namespace dd::web::page {
namespace {

int Number(design::Role role) {
  return static_cast<int>(role);
}
int Length(std::u16string_view text) {
  return static_cast<int>(text.size());
}
int Packed(design::Rgb rgb) {
  return rgb.red << 16 | rgb.green << 8 | rgb.blue;
}

}  // namespace

void MakeWindow(int width, int height, int margin, design::Rgb background,
                std::u16string_view font_family, int font_points) {
  dd_page_make_window(width, height, margin, Packed(background), font_family.data(),
                      Length(font_family), font_points);
}

void Make(design::Role role, Tag tag, std::u16string_view id) {
  dd_page_make(Number(role), static_cast<int>(tag), id.data(), Length(id));
}

void Place(design::Role role, int left, int top, int width, int height) {
  dd_page_place(Number(role), left, top, width, height);
}

void Fill(design::Role role, design::Rgb background, design::Rgb text) {
  dd_page_fill(Number(role), Packed(background), Packed(text));
}

void ShadeButton(design::Role role, design::Rgb face, design::Rgb border, design::Rgb pressed,
                 design::Rgb focused) {
  dd_page_shade_button(Number(role), Packed(face), Packed(border), Packed(pressed),
                       Packed(focused));
}

void Centre(design::Role role) {
  dd_page_centre(Number(role));
}

void PadTop(design::Role role, int pixels) {
  dd_page_pad_top(Number(role), pixels);
}

void Caption(design::Role role, std::u16string_view marked) {
  dd_page_caption(Number(role), marked.data(), Length(marked));
}

void SetAttribute(design::Role role, std::u16string_view name, std::u16string_view value) {
  dd_page_attribute(Number(role), name.data(), Length(name), value.data(), Length(value));
}

void KeyShortcut(design::Role role, std::u16string_view keys) {
  dd_page_key_shortcut(Number(role), keys.data(), Length(keys));
}

void Describe(design::Role role, std::u16string_view text) {
  dd_page_describe(Number(role), text.data(), Length(text));
}

void SetText(design::Role role, std::u16string_view text) {
  dd_page_set_text(Number(role), text.data(), Length(text));
}

Text GetText(design::Role role) {
  const int length = dd_page_get_text(Number(role));
  return Text(Exchange(0), static_cast<std::size_t>(length));
}

void SetReadOnly(design::Role role, bool read_only) {
  dd_page_set_read_only(Number(role), read_only ? 1 : 0);
}

bool ReadOnly(design::Role role) {
  return dd_page_read_only(Number(role)) != 0;
}

void LimitTyping(design::Role role) {
  dd_page_limit_typing(Number(role));
}

void ShowItems(design::Role role, std::u16string_view joined, int count) {
  dd_page_show_items(Number(role), joined.data(), Length(joined), count);
}

void AddMenuItem(std::u16string_view action, std::u16string_view marked, char16_t key) {
  dd_page_add_menu_item(action.data(), Length(action), marked.data(), Length(marked), key);
}

void Announce(std::u16string_view message) {
  dd_page_announce(message.data(), Length(message));
}

void Report(std::u16string_view title, std::u16string_view message, std::u16string_view dismiss) {
  dd_page_report(title.data(), Length(title), message.data(), Length(message), dismiss.data(),
                 Length(dismiss));
}

void Focus(design::Role role) {
  dd_page_focus(Number(role));
}

void PutKeyboardAway() {
  dd_page_put_keyboard_away();
}

void Failed(std::u16string_view message) {
  dd_page_failed(message.data(), Length(message));
}

void Ready() {
  dd_page_ready();
}

char16_t* Exchange(std::size_t units) {
  static std::u16string buffer;
  if (buffer.size() < units) {
    buffer.resize(units);
  }
  return buffer.data();
}

}  // namespace dd::web::page
