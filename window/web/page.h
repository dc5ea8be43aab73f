// What the page does with the window's HTML elements (window/web/page.js),
// called from the program. Each element is known by its control's role.
#pragma once

#include <string_view>

#include "window/controls.h"
#include "window/form_design.h"

namespace dd::web::page {

// The elements the page makes, in the order of page.js's `tags`.
enum class Tag { Heading, Label, List, Input, TextArea, Button };

// The window's client area, the margin around it, its background and font.
// The page's title is the shell's, written there by the build.
void MakeWindow(int width, int height, int margin, design::Rgb background,
                std::u16string_view font_family, int font_points);
// Makes a control's element with that id, after those made before it.
void Make(design::Role role, Tag tag, std::u16string_view id);
// The element's rectangle in the client area, in CSS pixels.
void Place(design::Role role, int left, int top, int width, int height);
void Fill(design::Role role, design::Rgb background, design::Rgb text);
// A button's face, border, face while pressed and border while focused.
void ShadeButton(design::Role role, design::Rgb face, design::Rgb border, design::Rgb pressed,
                 design::Rgb focused);
void Centre(design::Role role);
// Moves the element's text down by half of `pixels`, which pad its top.
void PadTop(design::Role role, int pixels);
// A label's or a button's caption, its access key marked with '&'.
void Caption(design::Role role, std::u16string_view marked);
void SetAttribute(design::Role role, std::u16string_view name, std::u16string_view value);
// The access key that presses a button or moves the focus to a box, told to
// screen readers ("Alt+с"), as the browser takes it.
void KeyShortcut(design::Role role, std::u16string_view keys);
// A text that describes the element to a screen reader; none if empty.
void Describe(design::Role role, std::u16string_view text);

// A text box's text and read-only flag.
void SetText(design::Role role, std::u16string_view text);
Text GetText(design::Role role);
void SetReadOnly(design::Role role, bool read_only);
bool ReadOnly(design::Role role);
// Holds what the user types, pastes or drops into a one-line box to the
// program's typing rule (the dd_fit and dd_allowed exports).
void LimitTyping(design::Role role);

// Replaces a list's items: `joined` holds `count` items, each ended by
// U+0000.
void ShowItems(design::Role role, std::u16string_view joined, int count);
// An item of the result list's menu: what it does ("copy", "selectAll"), its
// text with the access key marked, and the letter that runs it with Ctrl.
void AddMenuItem(std::u16string_view action, std::u16string_view marked, char16_t key);

// Tells a screen reader `message`, through the page's live region.
void Announce(std::u16string_view message);
// Shows a message with a title and one button that closes it.
void Report(std::u16string_view title, std::u16string_view message, std::u16string_view dismiss);
void Focus(design::Role role);
// Takes the focus from the box being typed in, which puts a touch screen's
// keyboard away.
void PutKeyboardAway();
// Shows `message` instead of the window.
void Failed(std::u16string_view message);
// Marks the window ready for use.
void Ready();

// Where the page leaves texts for the program: at least `units` long.
char16_t* Exchange(std::size_t units);

}  // namespace dd::web::page
