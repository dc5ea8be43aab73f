// Conversions between texts and numbers, and checked 16-bit arithmetic.
//
// None of these depend on the process locale: a decimal point is always '.',
// whatever LC_NUMERIC says (the program normally runs under bg_BG, where the
// separator is a comma).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/numeric_value.h"

namespace dd {

// The value of the longest leading part of `text` that reads as a number, or 0
// when there is none. Blanks, tabs and line feeds are skipped wherever they
// stand. Accepted: an optional sign, digits with at most one '.', an exponent
// introduced by E, e, D or d with an optional sign, and "&H" / "&O" (any case)
// for hexadecimal and octal whole numbers. A value too large for a double
// reads as the largest finite double of its sign; one too small, as zero.
double NumberFromText(std::u16string_view text);

// The general text form of a value: a whole value within -32768..32767 is its
// digits (a minus sign if negative, no blank, no point). Any other value gets
// the shortest decimal form that reads back as the same double, in fixed
// notation for magnitudes from 1E-5 up to 1E+15 and in exponent notation
// ("1.5E+20", "2E-07") outside that.
std::u16string TextOfValue(const NumericValue& value);

// The text form with a leading blank for a value that is not negative.
std::u16string SignedTextOfValue(const NumericValue& value);

// Rounds to the nearest integer, halves to the even neighbour. Returns nothing
// when the result does not fit in 16 bits.
std::optional<std::int16_t> TryNarrowToInt16(const NumericValue& value);

// As TryNarrowToInt16, but raises OverflowError when the result does not fit.
std::int16_t NarrowToInt16(const NumericValue& value);

// The decimal text of a 16-bit integer, minus sign if negative, no blank.
std::u16string TextOfInt16(std::int16_t value);

[[noreturn]] void ThrowOverflow();

// value + 1, raising OverflowError past 32767.
inline std::int16_t CheckedIncrement(std::int16_t value) {
  if (value == INT16_MAX) {
    ThrowOverflow();
  }
  return static_cast<std::int16_t>(value + 1);
}

}  // namespace dd
