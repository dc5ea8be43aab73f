// Substring helpers that count characters as the user sees them: a pair of
// UTF-16 surrogates is one character and is never split.
#pragma once

#include <cstddef>
#include <string_view>

namespace dd {

// The last `count` characters of `text`, or the whole text if it is shorter.
std::u16string_view LastChars(std::u16string_view text, std::size_t count);

// The character at 1-based `position`; empty when there is no such character.
std::u16string_view CharAt(std::u16string_view text, std::size_t position);

}  // namespace dd
