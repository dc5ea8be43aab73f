// Any text read as a number: no crash, no undefined behaviour, and the text
// form of the result reads back as the same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "runtime/conversions.h"

using dd::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = dd::fuzz::MixedTextFromBytes(data, size);
  const double value = dd::NumberFromText(text);
  Require(std::isfinite(value));

  const dd::NumericValue number = dd::NumericValue::FromDouble(value);
  const std::u16string form = dd::TextOfValue(number);
  Require(!form.empty());
  Require(dd::NumberFromText(form) == value);
  // Read again and written again, the text is the same: a fixed point.
  Require(dd::TextOfValue(dd::NumericValue::FromDouble(dd::NumberFromText(form))) == form);

  const std::u16string signed_form = dd::SignedTextOfValue(number);
  Require(signed_form == (form.front() == u'-' ? form : u" " + form));

  if (const auto narrowed = dd::TryNarrowToInt16(number)) {
    Require(std::fabs(value - *narrowed) <= 0.5);
  } else {
    Require(value < -32768.5 || value >= 32767.5);
  }
  return 0;
}
