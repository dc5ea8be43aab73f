// Decimal texts of doubles and doubles of decimal texts, exactly as the
// standard library's floating-point <charconv> gives them. Where that part of
// <charconv> is missing (emscripten's libc++), the same results come from
// printf and strtod, which are correctly rounded there.
#pragma once

#include <string>
#include <string_view>

namespace dd {

// A finite, positive `value` in scientific notation with the fewest
// significant digits that read back as `value` (of those, the nearest), in
// std::to_chars' scientific form: "1.5e+20", "2e-07", "5e-324".
std::string ShortestScientific(double value);

// Reads `text` of the form "0.DIGITSeEXPONENT" into `value`, rounded to the
// nearest double. Returns false when the number is outside the double's
// range: too large, or too small to be anything but zero.
bool ReadDecimal(std::string_view text, double& value);

}  // namespace dd
