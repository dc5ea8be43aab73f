// The counting loop over NumericValue bounds.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "runtime/counting_loop.h"
#include "runtime/errors.h"

namespace dd {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

std::vector<double> Visit(NumericValue start, NumericValue end) {
  std::vector<double> seen;
  for (CountingLoop loop(start, end); loop.Running(); loop.Advance()) {
    seen.push_back(loop.Value().ToDouble());
  }
  return seen;
}

TEST(CountingLoop, VisitsEveryValueFromStartToEnd) {
  EXPECT_EQ(Visit(NumericValue::FromInt16(3), NumericValue::FromDouble(6.0)),
            (std::vector<double>{3, 4, 5, 6}));
  EXPECT_EQ(Visit(NumericValue::FromDouble(7.0), NumericValue::FromInt16(7)),
            (std::vector<double>{7}));
  EXPECT_TRUE(Visit(NumericValue::FromDouble(9500.0), NumericValue::FromInt16(9000)).empty());
  EXPECT_EQ(Visit(NumericValue::FromDouble(1e300), NumericValue::FromDouble(kMax)).size(), 1u);
}

TEST(CountingLoop, SixteenBitLoopValueOverflowsPastTheLimit) {
  CountingLoop loop(NumericValue::FromInt16(32767), NumericValue::FromInt16(32767));
  ASSERT_TRUE(loop.Running());
  EXPECT_EQ(loop.Value().kind(), NumericValue::Kind::Int16);
  EXPECT_THROW(loop.Advance(), OverflowError);
}

}  // namespace
}  // namespace dd
