// A counting loop over NumericValue bounds with step 1.
//
// The bounds are taken once, when the loop is made; the body runs while the
// loop value is not greater than the end. When both bounds are 16-bit integers
// the loop value is one too and its increments are checked for overflow;
// otherwise it is a double.
#pragma once

#include "runtime/numeric_value.h"

namespace dd {

class CountingLoop {
 public:
  CountingLoop(const NumericValue& start, const NumericValue& end);

  bool Running() const { return running_; }
  const NumericValue& Value() const { return value_; }
  void Advance();

 private:
  NumericValue value_;
  NumericValue end_;
  bool running_;
};

}  // namespace dd
