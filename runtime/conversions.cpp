#include "runtime/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "runtime/errors.h"
#include "runtime/float_text.h"
#include "runtime/text.h"

namespace dd {
namespace {

constexpr double kLargestDouble = std::numeric_limits<double>::max();

// Walks a text while skipping the characters that never end a number.
class NumberCursor {
 public:
  explicit NumberCursor(std::u16string_view text) : text_(text) {}

  char16_t Peek() {
    while (at_ < text_.size() && IsSkipped(text_[at_])) {
      ++at_;
    }
    return at_ < text_.size() ? text_[at_] : u'\0';
  }
  void Take() { ++at_; }
  std::size_t Mark() const { return at_; }
  void Reset(std::size_t mark) { at_ = mark; }

 private:
  static bool IsSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

  std::u16string_view text_;
  std::size_t at_ = 0;
};

bool IsDecimalDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int DigitValue(char16_t c, int radix) {
  int value = -1;
  if (c >= u'0' && c <= u'9') {
    value = c - u'0';
  } else if (c >= u'a' && c <= u'f') {
    value = c - u'a' + 10;
  } else if (c >= u'A' && c <= u'F') {
    value = c - u'A' + 10;
  }
  return value < radix ? value : -1;
}

// The digits after "&H" or "&O"; the marker has been consumed.
double ReadRadixNumber(NumberCursor& cursor, int radix) {
  double value = 0.0;
  for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0;
       digit = DigitValue(cursor.Peek(), radix)) {
    value = std::fmin(value * radix + digit, kLargestDouble);
    cursor.Take();
  }
  return value;
}

// Formats a finite double that is not a small whole number.
std::string GeneralForm(double value) {
  const std::string scientific = ShortestScientific(std::fabs(value));
  const std::size_t e = scientific.find('e');
  std::string digits = scientific.substr(0, e);
  if (digits.size() > 1) {
    digits.erase(1, 1);  // the decimal point after the first digit
  }
  const int exponent = std::stoi(scientific.substr(e + 1));

  std::string text = value < 0 ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent >= 0) {
      const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        text += digits;
        text.append(whole - digits.size(), '0');
      } else {
        text.append(digits, 0, whole);
        text += '.';
        text.append(digits, whole);
      }
    } else {
      text += "0.";
      text.append(static_cast<std::size_t>(-exponent - 1), '0');
      text += digits;
    }
    return text;
  }
  text += digits.substr(0, 1);
  if (digits.size() > 1) {
    text += '.';
    text.append(digits, 1);
  }
  const int magnitude = exponent < 0 ? -exponent : exponent;
  text += exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) {
    text += '0';
  }
  text += std::to_string(magnitude);
  return text;
}

}  // namespace

double NumberFromText(std::u16string_view text) {
  NumberCursor cursor(text);
  if (cursor.Peek() == u'&') {
    cursor.Take();
    const char16_t marker = cursor.Peek();
    if (marker == u'H' || marker == u'h') {
      cursor.Take();
      return ReadRadixNumber(cursor, 16);
    }
    if (marker == u'O' || marker == u'o') {
      cursor.Take();
      return ReadRadixNumber(cursor, 8);
    }
    return 0.0;
  }

  bool negative = false;
  if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
    negative = cursor.Peek() == u'-';
    cursor.Take();
  }

  std::string digits;
  std::size_t whole_digits = std::string::npos;  // digits before the point, once one is seen
  for (char16_t c = cursor.Peek();; c = cursor.Peek()) {
    if (IsDecimalDigit(c)) {
      digits += static_cast<char>(c);
    } else if (c == u'.' && whole_digits == std::string::npos) {
      whole_digits = digits.size();
    } else {
      break;
    }
    cursor.Take();
  }
  if (digits.empty()) {
    return 0.0;
  }
  if (whole_digits == std::string::npos) {
    whole_digits = digits.size();
  }

  // The exponent counts only when at least one digit follows its letter.
  std::int64_t exponent = 0;
  const char16_t letter = cursor.Peek();
  if (letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
    const std::size_t before_letter = cursor.Mark();
    cursor.Take();
    bool negative_exponent = false;
    if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
      negative_exponent = cursor.Peek() == u'-';
      cursor.Take();
    }
    if (IsDecimalDigit(cursor.Peek())) {
      constexpr std::int64_t kSaturated = 1'000'000'000'000;
      for (char16_t c = cursor.Peek(); IsDecimalDigit(c); c = cursor.Peek()) {
        exponent = std::min(exponent * 10 + (c - u'0'), kSaturated);
        cursor.Take();
      }
      if (negative_exponent) {
        exponent = -exponent;
      }
    } else {
      cursor.Reset(before_letter);
    }
  }

  const double zero = negative ? -0.0 : 0.0;
  const std::size_t first_significant = digits.find_first_not_of('0');
  if (first_significant == std::string::npos) {
    return zero;
  }
  // The value is 0.<significant digits> times ten to `magnitude`.
  const std::int64_t magnitude = static_cast<std::int64_t>(whole_digits) -
                                 static_cast<std::int64_t>(first_significant) + exponent;
  const double largest = negative ? -kLargestDouble : kLargestDouble;
  if (magnitude > 310) {
    return largest;
  }
  if (magnitude < -330) {
    return zero;
  }
  std::string normalised = "0.";
  normalised.append(digits, first_significant);
  normalised += 'e';
  normalised += std::to_string(magnitude);
  double value = 0.0;
  if (!ReadDecimal(normalised, value)) {
    return magnitude > 0 ? largest : zero;
  }
  if (std::isinf(value)) {
    value = kLargestDouble;
  }
  return negative ? -value : value;
}

std::u16string TextOfValue(const NumericValue& value) {
  const double number = value.ToDouble();
  if (std::trunc(number) == number && number >= -32768.0 && number <= 32767.0) {
    return TextOfInt16(static_cast<std::int16_t>(number));
  }
  if (std::isnan(number)) {
    return u"NaN";
  }
  if (std::isinf(number)) {
    return number < 0 ? u"-Infinity" : u"Infinity";
  }
  return FromAscii(GeneralForm(number));
}

std::u16string SignedTextOfValue(const NumericValue& value) {
  const double number = value.ToDouble();
  if (number >= 0.0 && number <= 32767.0 && static_cast<int>(number) == number) {
    // The common case, a loop value of the interval: no general formatting.
    char16_t buffer[6];
    std::size_t at = sizeof buffer / sizeof buffer[0];
    for (int rest = static_cast<int>(number); at == 6 || rest > 0; rest /= 10) {
      buffer[--at] = static_cast<char16_t>(u'0' + rest % 10);
    }
    buffer[--at] = u' ';
    return std::u16string(buffer + at, buffer + 6);
  }
  std::u16string text = TextOfValue(value);
  if (text.front() != u'-') {
    text.insert(text.begin(), u' ');
  }
  return text;
}

std::optional<std::int16_t> TryNarrowToInt16(const NumericValue& value) {
  const double number = value.ToDouble();
  double rounded = std::floor(number);
  const double fraction = number - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
    rounded += 1.0;
  }
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(rounded);
}

std::int16_t NarrowToInt16(const NumericValue& value) {
  const std::optional<std::int16_t> narrowed = TryNarrowToInt16(value);
  if (!narrowed) {
    ThrowOverflow();
  }
  return *narrowed;
}

std::u16string TextOfInt16(std::int16_t value) {
  char buffer[8];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::u16string(buffer, result.ptr);
}

void ThrowOverflow() {
  throw OverflowError();
}

}  // namespace dd
