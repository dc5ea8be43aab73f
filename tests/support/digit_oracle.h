// An independent account of what the scan must list: decided by arithmetic on
// the digits, not through a sorted list, and with the interval worked out
// directly from the two whole-number bounds.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace dd::support {

inline bool HasFourDifferentDigits(int n) {
  const int d[4] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) {
      if (d[i] == d[j]) {
        return false;
      }
    }
  }
  return true;
}

inline Text DecimalText(int n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

// The numbers of four different digits from `start` to `end`, as texts.
inline std::vector<Text> ExpectedItems(int start, int end) {
  std::vector<Text> items;
  for (int n = start; n <= end; ++n) {
    if (HasFourDifferentDigits(n)) {
      items.push_back(DecimalText(n));
    }
  }
  return items;
}

// The value of a text of decimal digits; -1 for anything else.
inline int ValueOfDigits(std::u16string_view text) {
  if (text.empty() || text.size() > 9) {
    return -1;
  }
  int value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') {
      return -1;
    }
    value = value * 10 + (c - u'0');
  }
  return value;
}

struct Interval {
  int start;
  int end;
};

// Smaller bound first, start raised to 1000, end lowered to 9000, and an end
// below 1000 replaced by 2000.
inline Interval ExpectedInterval(int a, int b) {
  Interval interval{std::min(a, b), std::max(a, b)};
  interval.start = std::max(interval.start, 1000);
  interval.end = std::min(interval.end, 9000);
  if (interval.end < 1000) {
    interval.end = 2000;
  }
  return interval;
}

}  // namespace dd::support
