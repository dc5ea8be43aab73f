// A number that is either a double or a 16-bit signed integer.
//
// The window's bounds are kept in this form: they start out as doubles read
// from the boxes and may become 16-bit integers when they are exchanged or
// replaced by a fixed bound. Comparisons look at the numeric value only.
#pragma once

#include <compare>
#include <cstdint>
#include <variant>

namespace dd {

class NumericValue {
 public:
  enum class Kind { Double, Int16 };

  constexpr NumericValue() = default;
  static constexpr NumericValue FromDouble(double value) { return NumericValue(value); }
  static constexpr NumericValue FromInt16(std::int16_t value) { return NumericValue(value); }

  constexpr Kind kind() const {
    return std::holds_alternative<double>(value_) ? Kind::Double : Kind::Int16;
  }

  // The value as a double; exact for both kinds.
  constexpr double ToDouble() const {
    if (const double* d = std::get_if<double>(&value_)) {
      return *d;
    }
    return static_cast<double>(std::get<std::int16_t>(value_));
  }

  friend constexpr std::partial_ordering operator<=>(const NumericValue& a, const NumericValue& b) {
    return a.ToDouble() <=> b.ToDouble();
  }
  friend constexpr bool operator==(const NumericValue& a, const NumericValue& b) {
    return a.ToDouble() == b.ToDouble();
  }

 private:
  constexpr explicit NumericValue(double value) : value_(value) {}
  constexpr explicit NumericValue(std::int16_t value) : value_(value) {}

  std::variant<double, std::int16_t> value_{0.0};
};

}  // namespace dd
