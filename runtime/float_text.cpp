#include "runtime/float_text.h"

#if DD_FLOAT_CHARCONV

#include <charconv>
#include <system_error>

namespace dd {

std::string ShortestScientific(double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}

bool ReadDecimal(std::string_view text, double& value) {
  return std::from_chars(text.data(), text.data() + text.size(), value).ec !=
         std::errc::result_out_of_range;
}

}  // namespace dd

#else

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dd {
namespace {

// A decimal number: its significant digits, the first one standing for
// ten to `exponent`.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The double nearest to a decimal written without a point ("15e19"), so
// that whatever decimal point the locale has never matters.
double Nearest(const Decimal& decimal) {
  const std::string text =
      decimal.digits + 'e' +
      std::to_string(decimal.exponent + 1 - static_cast<int>(decimal.digits.size()));
  return std::strtod(text.c_str(), nullptr);
}

// `value` correctly rounded to `precision` + 1 significant digits.
Decimal Rounded(double value, int precision) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
  Decimal decimal;
  const char* at = buffer;
  for (; *at != 'e'; ++at) {
    if (IsDigit(*at)) {
      decimal.digits += *at;
    }
  }
  decimal.exponent = std::atoi(at + 1);
  return decimal;
}

// The decimal of as many digits one unit of the last digit up or down.
Decimal Neighbour(Decimal decimal, bool up) {
  std::string& digits = decimal.digits;
  std::size_t at = digits.size();
  if (up) {
    while (at > 0 && digits[at - 1] == '9') {
      digits[--at] = '0';
    }
    if (at == 0) {  // 9.99 up is 1.00 of the next power of ten
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++decimal.exponent;
    } else {
      ++digits[at - 1];
    }
  } else {
    while (at > 0 && digits[at - 1] == '0') {
      digits[--at] = '9';
    }
    --digits[at - 1];
    if (digits[0] == '0') {  // 1.00 down is 9.99 of the power of ten below
      digits.erase(digits.begin());
      digits.push_back('9');
      --decimal.exponent;
    }
  }
  return decimal;
}

std::string Scientific(const Decimal& decimal) {
  std::string text(1, decimal.digits[0]);
  if (decimal.digits.size() > 1) {
    text += '.';
    text.append(decimal.digits, 1);
  }
  const int magnitude = std::abs(decimal.exponent);
  text += decimal.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) {
    text += '0';
  }
  text += std::to_string(magnitude);
  return text;
}

// Finds a decimal of `precision` + 1 digits that reads back as `value`. Of
// all the decimals of that many digits, only the two on either side of
// `value` can: the nearest, which printf gives, and its neighbour on the other
// side, which may read back where the double's rounding interval is wider on
// that side (just above a power of two).
bool ReadsBack(double value, int precision, Decimal& found) {
  const Decimal nearest = Rounded(value, precision);
  const double read = Nearest(nearest);
  if (read == value) {
    found = nearest;
    return true;
  }
  const Decimal other = Neighbour(nearest, read < value);
  if (Nearest(other) == value) {
    found = other;
    return true;
  }
  return false;
}

}  // namespace

std::string ShortestScientific(double value) {
  // Seventeen digits always read back, and a decimal that reads back with
  // some count of digits reads back with every larger count as well, so the
  // fewest digits are found by halving the range of counts.
  Decimal shortest = Rounded(value, 16);
  int low = 0;
  int high = 16;
  while (low < high) {
    const int middle = (low + high) / 2;
    Decimal found;
    if (ReadsBack(value, middle, found)) {
      shortest = found;
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return Scientific(shortest);
}

bool ReadDecimal(std::string_view text, double& value) {
  // "0.DIGITSeEXPONENT" is DIGITS times ten to EXPONENT - (number of DIGITS).
  const std::size_t point = text.find('.');
  const std::size_t e = text.find('e');
  const std::string digits(text.substr(point + 1, e - point - 1));
  const long long exponent = std::atoll(std::string(text.substr(e + 1)).c_str());
  const std::string plain =
      digits + 'e' + std::to_string(exponent - static_cast<long long>(digits.size()));
  errno = 0;
  const double read = std::strtod(plain.c_str(), nullptr);
  if (errno == ERANGE && (std::isinf(read) || read == 0.0)) {
    return false;
  }
  value = read;
  return true;
}

}  // namespace dd

#endif
