#include "runtime/counting_loop.h"

#include "runtime/conversions.h"

namespace dd {

CountingLoop::CountingLoop(const NumericValue& start, const NumericValue& end)
    : value_(start.kind() == NumericValue::Kind::Int16 && end.kind() == NumericValue::Kind::Int16
                 ? start
                 : NumericValue::FromDouble(start.ToDouble())),
      end_(end),
      running_(value_ <= end_) {}

void CountingLoop::Advance() {
  if (value_.kind() == NumericValue::Kind::Int16) {
    value_ = NumericValue::FromInt16(CheckedIncrement(NarrowToInt16(value_)));
  } else {
    const double current = value_.ToDouble();
    const double next = current + 1.0;
    // Past 2^53 adding one no longer changes a double; stop instead of spinning.
    if (next == current) {
      running_ = false;
      return;
    }
    value_ = NumericValue::FromDouble(next);
  }
  running_ = value_ <= end_;
}

}  // namespace dd
