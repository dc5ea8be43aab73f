// Ordering and clamping the two bounds, and writing them back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "tests/form_fixture.h"

namespace dd {
namespace {

struct Outcome {
  const char16_t* start;
  const char16_t* end;
  const char16_t* written_start;
  const char16_t* written_end;
};

class NormalizeTest : public FormTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(NormalizeTest, WritesBackTheIntervalThatIsScanned) {
  const Outcome& o = GetParam();
  Type(o.start, o.end);
  form.NormalizeInterval();
  EXPECT_EQ(Shown(0), o.written_start);
  EXPECT_EQ(Shown(1), o.written_end);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, NormalizeTest,
    ::testing::Values(Outcome{u"", u"", u"1000", u"2000"},              // both empty
                      Outcome{u"5000", u"3000", u"3000", u"5000"},      // exchanged
                      Outcome{u"3000", u"3000", u"3000", u"3000"},      // equal: kept
                      Outcome{u"500", u"700", u"1000", u"2000"},        // both below
                      Outcome{u"500", u"1500", u"1000", u"1500"},       // only start raised
                      Outcome{u"-5", u"1500", u"1000", u"1500"},        // negative start
                      Outcome{u"1500", u"9500", u"1500", u"9000"},      // end lowered
                      Outcome{u"9500", u"9800", u"9500", u"9000"},      // empty interval
                      Outcome{u"1500", u"", u"1000", u"1500"},          // empty end reads 0
                      Outcome{u"500", u"", u"1000", u"2000"},           // exchanged, then 2000
                      Outcome{u"9999", u"5", u"1000", u"9000"},         // exchanged before clamps
                      Outcome{u".9E4", u"&H7D0", u"2000", u"9000"},     // other number forms
                      Outcome{u"3000", u"1234.5", u"1234", u"3000"},    // holder rounds to even
                      Outcome{u"3000", u"1235.5", u"1236", u"3000"},    // ... both ways
                      Outcome{u"1E5", u"1E5", u"100000", u"9000"},      // long bound written whole
                      Outcome{u"1500.5", u"2000", u"1500.5", u"2000"},  // no exchange, no rounding
                      Outcome{u"5", u"-32768.4", u"1000", u"2000"},     // holder's lowest value
                      Outcome{u"5", u"-1E5", u"1000", u"2000"},         // too low for the holder
                      Outcome{u"1E999", u"", u"1000", u"9000"},         // saturated start
                      Outcome{u"-1E999", u"1E999", u"1000", u"9000"}));

TEST_F(FormTest, ExchangeNarrowsTheSmallerBoundAndKeepsTheOthersKind) {
  Type(u"5000", u"3000.4");
  form.NormalizeInterval();
  EXPECT_EQ(form.StartValue.kind(), NumericValue::Kind::Int16);
  EXPECT_EQ(form.StartValue.ToDouble(), 3000.0);
  EXPECT_EQ(form.EndValue.kind(), NumericValue::Kind::Double);
  EXPECT_EQ(form.EndValue.ToDouble(), 5000.0);
}

TEST_F(FormTest, SmallerBoundBeyondTheHolderIsExchangedAsItIs) {
  Type(u"5", u"-1E5");
  EXPECT_NO_THROW(form.NormalizeInterval());
  EXPECT_EQ(form.StartValue.ToDouble(), 1000.0);
  EXPECT_EQ(form.EndValue.ToDouble(), 2000.0);
  // Start and end beyond the holder on the other side.
  Type(u"1E6", u"4E4");
  form.NormalizeInterval();
  EXPECT_EQ(Shown(0), u"40000");
  EXPECT_EQ(Shown(1), u"9000");
}

TEST_F(FormTest, FailedReadLeavesTheWindowUntouched) {
  Type(u"1500", u"1600");
  faults.FailOn("Text2", 1, ControlOperation::ReadText);
  EXPECT_THROW(Compute(), ControlError);
  EXPECT_EQ(Shown(0), u"1500");
  EXPECT_TRUE(Results().empty());
}

}  // namespace
}  // namespace dd
