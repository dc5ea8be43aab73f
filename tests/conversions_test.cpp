#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "runtime/conversions.h"
#include "runtime/errors.h"

namespace dd {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

TEST(NumberFromText, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(NumberFromText(u""), 0.0);
  EXPECT_EQ(NumberFromText(u"1234"), 1234.0);
  EXPECT_EQ(NumberFromText(u"-1234"), -1234.0);
  EXPECT_EQ(NumberFromText(u"+12"), 12.0);
  EXPECT_EQ(NumberFromText(u"0042"), 42.0);
  EXPECT_EQ(NumberFromText(u"12ab"), 12.0);
  EXPECT_EQ(NumberFromText(u"12а"), 12.0);  // Cyrillic letter
  EXPECT_EQ(NumberFromText(u"abc"), 0.0);
  EXPECT_EQ(NumberFromText(u"-"), 0.0);
  EXPECT_EQ(NumberFromText(u"."), 0.0);
  EXPECT_EQ(NumberFromText(u"--5"), 0.0);
  EXPECT_EQ(NumberFromText(u"1.2.3"), 1.2);
  EXPECT_EQ(NumberFromText(u"-.5"), -0.5);
  EXPECT_EQ(NumberFromText(u"7."), 7.0);
  // The decimal separator is always the point, never the locale's comma.
  EXPECT_EQ(NumberFromText(u"1,5"), 1.0);
  EXPECT_EQ(NumberFromText(u"1.5"), 1.5);
}

TEST(NumberFromText, SkipsBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(NumberFromText(u" 1 2\t3\n4 "), 1234.0);
  EXPECT_EQ(NumberFromText(u" - 5"), -5.0);
  EXPECT_EQ(NumberFromText(u"5 E 3"), 5000.0);
  EXPECT_EQ(NumberFromText(u"\r5"), 0.0);  // a carriage return is not skipped
}

TEST(NumberFromText, ReadsExponents) {
  EXPECT_EQ(NumberFromText(u"5E3"), 5000.0);
  EXPECT_EQ(NumberFromText(u".9E4"), 9000.0);
  EXPECT_EQ(NumberFromText(u"1d3"), 1000.0);
  EXPECT_EQ(NumberFromText(u"2D+3"), 2000.0);
  EXPECT_EQ(NumberFromText(u"25e-1"), 2.5);
  EXPECT_EQ(NumberFromText(u"-1E5"), -100000.0);
  // A letter without exponent digits ends the number before it.
  EXPECT_EQ(NumberFromText(u"5E"), 5.0);
  EXPECT_EQ(NumberFromText(u"5E+"), 5.0);
  EXPECT_EQ(NumberFromText(u"5Ex3"), 5.0);
  EXPECT_EQ(NumberFromText(u"E3"), 0.0);
}

TEST(NumberFromText, ReadsHexadecimalAndOctal) {
  EXPECT_EQ(NumberFromText(u"&H7D0"), 2000.0);
  EXPECT_EQ(NumberFromText(u"&hff"), 255.0);
  EXPECT_EQ(NumberFromText(u"&HFFFF"), 65535.0);
  EXPECT_EQ(NumberFromText(u"&O17"), 15.0);
  EXPECT_EQ(NumberFromText(u"&o78"), 7.0);
  EXPECT_EQ(NumberFromText(u"&H"), 0.0);
  EXPECT_EQ(NumberFromText(u"&X1"), 0.0);
  EXPECT_EQ(NumberFromText(u"-&H10"), 0.0);
}

TEST(NumberFromText, OutOfRangeValuesSaturate) {
  EXPECT_EQ(NumberFromText(u"1E999"), kMax);
  EXPECT_EQ(NumberFromText(u"-1E999"), -kMax);
  EXPECT_EQ(NumberFromText(u"1E99999999999999999999999999"), kMax);
  EXPECT_EQ(NumberFromText(u"1E-999"), 0.0);
  EXPECT_TRUE(std::signbit(NumberFromText(u"-1E-999")));
  EXPECT_EQ(NumberFromText(u"0E999"), 0.0);
  EXPECT_EQ(NumberFromText(u"0.0001E999"), kMax);
  EXPECT_EQ(NumberFromText(u"1000E-3"), 1.0);
  EXPECT_EQ(NumberFromText(std::u16string(400, u'9')), kMax);
  EXPECT_EQ(NumberFromText(u"&H" + std::u16string(400, u'F')), kMax);
  // Many leading zeros do not disturb the magnitude.
  EXPECT_EQ(NumberFromText(u"0." + std::u16string(500, u'0') + u"5E503"), 500.0);
}

TEST(TextOfValue, WholeSixteenBitValuesAreTheirDigits) {
  EXPECT_EQ(TextOfValue(NumericValue::FromInt16(-32768)), u"-32768");
  EXPECT_EQ(TextOfValue(NumericValue::FromInt16(2000)), u"2000");
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(1000.0)), u"1000");
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(-5.0)), u"-5");
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(-0.0)), u"0");
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(32767.0)), u"32767");
}

TEST(TextOfValue, OtherValuesUseTheGeneralForm) {
  auto text = [](double v) { return TextOfValue(NumericValue::FromDouble(v)); };
  EXPECT_EQ(text(100000.0), u"100000");
  EXPECT_EQ(text(-32769.0), u"-32769");
  EXPECT_EQ(text(123456789012345.0), u"123456789012345");
  EXPECT_EQ(text(1e15), u"1E+15");
  EXPECT_EQ(text(1.5e20), u"1.5E+20");
  EXPECT_EQ(text(1.5), u"1.5");
  EXPECT_EQ(text(-1234.25), u"-1234.25");
  EXPECT_EQ(text(0.0001), u"0.0001");
  EXPECT_EQ(text(0.00001), u"0.00001");
  EXPECT_EQ(text(2e-7), u"2E-07");
  EXPECT_EQ(text(kMax), u"1.7976931348623157E+308");
}

TEST(TextOfValue, ReadsBackAsTheSameNumber) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    double value = 0.0;
    const std::uint64_t raw = bits(random);
    std::memcpy(&value, &raw, sizeof value);
    if (!std::isfinite(value)) {
      continue;
    }
    const std::u16string text = TextOfValue(NumericValue::FromDouble(value));
    ASSERT_EQ(NumberFromText(text), value) << std::string(text.begin(), text.end());
  }
}

TEST(SignedTextOfValue, LeadsNonNegativeValuesWithABlank) {
  EXPECT_EQ(SignedTextOfValue(NumericValue::FromInt16(1234)), u" 1234");
  EXPECT_EQ(SignedTextOfValue(NumericValue::FromDouble(9000.0)), u" 9000");
  EXPECT_EQ(SignedTextOfValue(NumericValue::FromDouble(-5.0)), u"-5");
  EXPECT_EQ(SignedTextOfValue(NumericValue::FromDouble(-0.0)), u" 0");
}

TEST(Narrowing, RoundsHalvesToEvenAndRejectsOutOfRange) {
  auto narrow = [](double v) { return TryNarrowToInt16(NumericValue::FromDouble(v)); };
  EXPECT_EQ(narrow(2.5), 2);
  EXPECT_EQ(narrow(3.5), 4);
  EXPECT_EQ(narrow(-2.5), -2);
  EXPECT_EQ(narrow(-0.5), 0);
  EXPECT_EQ(narrow(1234.6), 1235);
  EXPECT_EQ(narrow(32767.4), 32767);
  EXPECT_EQ(narrow(-32768.5), -32768);
  EXPECT_EQ(narrow(32767.5), std::nullopt);
  EXPECT_EQ(narrow(-32769.0), std::nullopt);
  EXPECT_EQ(narrow(kMax), std::nullopt);
  EXPECT_EQ(narrow(std::nan("")), std::nullopt);
  EXPECT_THROW(NarrowToInt16(NumericValue::FromDouble(40000.0)), OverflowError);
  EXPECT_EQ(NarrowToInt16(NumericValue::FromInt16(-7)), -7);
}

TEST(SixteenBitArithmetic, IncrementIsCheckedAndTextIsPlain) {
  EXPECT_EQ(CheckedIncrement(32766), 32767);
  EXPECT_EQ(CheckedIncrement(-1), 0);
  EXPECT_THROW(CheckedIncrement(32767), OverflowError);
  EXPECT_EQ(TextOfInt16(0), u"0");
  EXPECT_EQ(TextOfInt16(-32768), u"-32768");
  EXPECT_EQ(TextOfInt16(504), u"504");
}

}  // namespace
}  // namespace dd

namespace dd {
namespace {

// The suite also runs under bg_BG.UTF-8, whose decimal separator is a comma.
TEST(Locale, ConversionsIgnoreTheProcessLocale) {
  if (std::getenv("DD_EXPECT_LOCALE") != nullptr) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  }
  EXPECT_EQ(NumberFromText(u".9E4"), 9000.0);
  EXPECT_EQ(NumberFromText(u"1.5"), 1.5);
  EXPECT_EQ(NumberFromText(u"1,5"), 1.0);
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(1.5)), u"1.5");
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(-1234.25)), u"-1234.25");
  EXPECT_EQ(TextOfValue(NumericValue::FromDouble(2.5e20)), u"2.5E+20");
}

}  // namespace
}  // namespace dd
