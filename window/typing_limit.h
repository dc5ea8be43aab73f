// What a user may do to the text of a one-line number box, whatever toolkit
// draws it. The user types or pastes at most a few characters; the program
// writes texts of any length, and the user may shorten those but never
// lengthen them. A one-line box never holds a line break.
#pragma once

#include <cstddef>
#include <string_view>

#include "window/controls.h"

namespace dd {

// The part of `inserted` that a box keeps when `kept` code units of its text
// stay around the insertion: line breaks (LF, CR, CR LF) are dropped, then
// the rest is cut so that the text reaches at most `limit` code units. The
// cut never splits a surrogate pair.
Text FitInsertion(std::u16string_view inserted, std::size_t kept, std::size_t limit);

// Whether a user's edit that turns `before` into `after` stands: `after` has
// no line break and either fits the limit or is `before` with one stretch of
// characters removed.
bool IsAllowedEdit(std::u16string_view before, std::u16string_view after, std::size_t limit);

}  // namespace dd
