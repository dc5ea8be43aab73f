// Text helpers that count characters as the user sees them: a pair of UTF-16
// surrogates is one character and is never split, and neither is a letter
// from its accent or an emoji from its modifiers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dd {

constexpr bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The last `count` characters of `text`, or the whole text if it is shorter.
std::u16string_view LastChars(std::u16string_view text, std::size_t count);

// The character at 1-based `position`; empty when there is no such character.
std::u16string_view CharAt(std::u16string_view text, std::size_t position);

// Whether a cut of `text` before code unit `at` splits what shows as one
// character: a surrogate pair, a letter and its combining accent, a
// variation selector or a joiner from what it joins, an emoji and its skin
// tone, the two letters of a flag.
bool SplitsCharacter(std::u16string_view text, std::size_t at);

// UTF-8 as UTF-16; a byte that starts no valid sequence becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

// ASCII (digits, names of controls) as UTF-16, one unit a character.
inline std::u16string FromAscii(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace dd
