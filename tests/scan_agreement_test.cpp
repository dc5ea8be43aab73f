// The scan agrees with an arithmetic account of the task over every start and
// every end around the range, and over random pairs of bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/form_fixture.h"
#include "tests/support/digit_oracle.h"

namespace dd {
namespace {

class ScanAgreementTest : public FormTest {
 protected:
  // Every number of four different digits from 1000 to 9000, and its text.
  std::vector<int> numbers;
  std::vector<Text> texts;

  void SetUp() override {
    for (int n = 1000; n <= 9000; ++n) {
      if (support::HasFourDifferentDigits(n)) {
        numbers.push_back(n);
        texts.push_back(support::DecimalText(n));
      }
    }
  }

  // Types the two bounds, computes, and compares everything shown with the
  // arithmetic account; returns false (after reporting) on the first mismatch.
  bool Agrees(int a, int b) {
    Type(support::DecimalText(a), support::DecimalText(b));
    Compute();
    const support::Interval interval = support::ExpectedInterval(a, b);
    const auto first = std::lower_bound(numbers.begin(), numbers.end(), interval.start);
    const auto last = std::upper_bound(numbers.begin(), numbers.end(), interval.end);
    const std::size_t expected_count =
        interval.start <= interval.end ? static_cast<std::size_t>(last - first) : 0;
    const ListBox& results = controls->List1(0);
    bool same = Shown(0) == support::DecimalText(interval.start) &&
                Shown(1) == support::DecimalText(interval.end) &&
                static_cast<std::size_t>(results.ListCount()) == expected_count &&
                Shown(2) == support::DecimalText(static_cast<int>(expected_count));
    for (std::size_t i = 0; same && i < expected_count; ++i) {
      same = results.ItemView(i) == texts[static_cast<std::size_t>(first - numbers.begin()) + i];
    }
    EXPECT_TRUE(same) << "bounds typed: " << a << " and " << b;
    return same;
  }
};

TEST_F(ScanAgreementTest, EveryStartAroundTheRangeWithTheEndAt9000) {
  for (int start = -100; start <= 10100 && Agrees(start, 9000); ++start) {
  }
}

TEST_F(ScanAgreementTest, EveryEndAroundTheRangeWithTheStartAt1000) {
  for (int end = -100; end <= 10100 && Agrees(1000, end); ++end) {
  }
}

TEST_F(ScanAgreementTest, RandomPairsOfBounds) {
  std::mt19937 random(8122026);
  std::uniform_int_distribution<int> bound(-100, 10100);
  for (int i = 0; i < 3000; ++i) {
    const int a = bound(random);
    const int b = bound(random);
    if (!Agrees(a, b)) {
      break;
    }
  }
}

}  // namespace
}  // namespace dd
