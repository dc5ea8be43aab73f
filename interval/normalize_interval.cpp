// Turns the two typed bounds into the interval that the scan walks.
#include <cstdint>
#include <optional>
#include <utility>

#include "runtime/conversions.h"
#include "window/main_form.h"

namespace dd {
namespace {

constexpr NumericValue kLowestStart = NumericValue::FromInt16(1000);
constexpr NumericValue kHighestEnd = NumericValue::FromInt16(9000);
// An end below the range is replaced by 2000, not by 1000.
constexpr NumericValue kEndBelowRange = NumericValue::FromInt16(2000);

}  // namespace

void MainForm::NormalizeInterval() {
  StartValue = NumericValue::FromDouble(NumberFromText(Text2(0).GetText()));
  EndValue = NumericValue::FromDouble(NumberFromText(Text2(1).GetText()));

  // The exchange comes before any clamp. The smaller bound goes through a
  // 16-bit holder and so is rounded to a whole number; one too large for the
  // holder (only reachable in exponent form) is moved as it is, so that the
  // clamps below act on its real value instead of the run failing.
  if (EndValue < StartValue) {
    if (const std::optional<std::int16_t> SwapHolder = TryNarrowToInt16(EndValue)) {
      EndValue = StartValue;
      StartValue = NumericValue::FromInt16(*SwapHolder);
    } else {
      std::swap(StartValue, EndValue);
    }
  }

  // Nothing lowers the start: a start above the range leaves the interval empty.
  if (StartValue < kLowestStart) {
    StartValue = kLowestStart;
  }
  if (EndValue > kHighestEnd) {
    EndValue = kHighestEnd;
  }
  if (EndValue < kLowestStart) {
    EndValue = kEndBelowRange;
  }

  Text2(0).SetText(TextOfValue(StartValue));
  Text2(1).SetText(TextOfValue(EndValue));
}

}  // namespace dd
