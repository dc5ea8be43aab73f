// What a user may do to the text of a one-line number box, whatever toolkit
// draws it. What the user types or pastes leaves at most a few characters in
// the box; the program writes texts of any length, and the user may shorten
// those by deleting but never add to them. A one-line box never holds a line
// break.
#pragma once

#include <cstddef>
#include <string_view>

#include "window/controls.h"

namespace dd {

// Line feed, carriage return and the other characters that end a line
// (vertical tab, form feed, next line, line and paragraph separators).
bool IsLineBreak(char16_t c);

// The part of `inserted` that a box keeps when `kept` code units of its text
// stay around the insertion: line breaks are dropped, then the rest is cut so
// that the text reaches at most `limit` code units. The cut never splits what
// shows as one character: a surrogate pair, a letter and its accent, an emoji
// and its modifiers, a flag.
Text FitInsertion(std::u16string_view inserted, std::size_t kept, std::size_t limit);

// Whether a user's edit that turns `before` into `after` stands: `after` has
// no line break and either fits the limit or is `before` with one stretch of
// characters deleted.
bool IsAllowedEdit(std::u16string_view before, std::u16string_view after, std::size_t limit);

}  // namespace dd
