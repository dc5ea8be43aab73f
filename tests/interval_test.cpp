#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "tests/digit_oracle.h"
#include "tests/form_fixture.h"

namespace dd {
namespace {

using testing::FormTest;

std::vector<Text> Expected(int start, int end) {
  return testing::ExpectedItems(start, end);
}

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

TEST_F(FormTest, EmptyBoxesListTheNumbersFrom1000To2000) {
  Compute();
  EXPECT_EQ(Shown(0), u"1000");
  EXPECT_EQ(Shown(1), u"2000");
  EXPECT_EQ(Shown(2), u"504");
  EXPECT_EQ(form.FoundCount, 504);
  ASSERT_EQ(Results().size(), 504u);
  EXPECT_EQ(Results().front(), u"1023");
  EXPECT_EQ(Results().back(), u"1987");
  EXPECT_EQ(Results(), Expected(1000, 2000));
  // The hidden list holds the last candidate's digits, 2000, sorted.
  EXPECT_EQ(controls->List1(1).Items(), (std::vector<Text>{u"0", u"0", u"0", u"2"}));
}

TEST_F(FormTest, WholeRangeListsExactlyTheNumbersWithFourDifferentDigits) {
  Type(u"9000", u"1000");
  Compute();
  EXPECT_EQ(Shown(2), u"4032");
  ASSERT_EQ(Results().size(), 4032u);
  EXPECT_EQ(Results().front(), u"1023");
  EXPECT_EQ(Results().back(), u"8976");
  // Digits stay in their own order; repeats anywhere are excluded.
  EXPECT_EQ(Results(), Expected(1000, 9000));
}

TEST_F(FormTest, EmptyIntervalListsNothingAndShowsZero) {
  Type(u"9500", u"9800");
  Compute();
  EXPECT_TRUE(Results().empty());
  EXPECT_EQ(Shown(2), u"0");
  EXPECT_EQ(form.FoundCount, 0);
}

TEST_F(FormTest, FractionalStartVisitsOnlyWholeNumbers) {
  Type(u"1233.5", u"1240");
  Compute();
  EXPECT_EQ(Shown(0), u"1233.5");
  EXPECT_EQ(Results(), Expected(1234, 1240));
}

TEST_F(FormTest, SecondRunReplacesTheFirst) {
  Type(u"1000", u"9000");
  Compute();
  Type(u"3000", u"3100");
  Compute();
  EXPECT_EQ(Results(), Expected(3000, 3100));
  EXPECT_EQ(Shown(2), TextOfInt16(form.FoundCount));
  EXPECT_EQ(static_cast<std::size_t>(form.FoundCount), Results().size());
}

TEST_F(FormTest, FormLoadClearsAndUnlocksTheCountBox) {
  Type(u"1234", u"5678");
  controls->Text2(2).SetText(u"99");
  controls->List1(0).AddItem(u"x");
  form.FoundCount = 7;
  form.Form_Load();
  for (std::int16_t box = 0; box < 3; ++box) {
    EXPECT_EQ(Shown(box), u"");
  }
  EXPECT_TRUE(Results().empty());
  EXPECT_EQ(form.FoundCount, 0);
  EXPECT_FALSE(controls->Text2(2).Locked());
}

TEST_F(FormTest, ClearEmptiesTheWindowButKeepsTheBounds) {
  form.Form_Load();
  Type(u"1500", u"1600");
  Compute();
  Clear();
  for (std::int16_t box = 0; box < 3; ++box) {
    EXPECT_EQ(Shown(box), u"");
  }
  EXPECT_TRUE(Results().empty());
  EXPECT_EQ(controls->List1(1).ListCount(), 0);
  EXPECT_EQ(form.FoundCount, 0);
  EXPECT_EQ(form.StartValue.ToDouble(), 1500.0);
  EXPECT_EQ(form.EndValue.ToDouble(), 1600.0);
  EXPECT_NO_THROW(Clear());
  Compute();
  EXPECT_EQ(Results(), Expected(1000, 2000));
}

TEST_F(FormTest, OtherButtonIndexesDoNothing) {
  Type(u"1500", u"1600");
  form.Command1_Click(2);
  form.Command1_Click(-1);
  EXPECT_EQ(Shown(0), u"1500");
  EXPECT_TRUE(Results().empty());
}

TEST_F(FormTest, FailedReadLeavesTheWindowUntouched) {
  Type(u"1500", u"1600");
  controls->Faults().FailOn("Text2", 1, ControlOperation::ReadText);
  EXPECT_THROW(Compute(), ControlError);
  EXPECT_EQ(Shown(0), u"1500");
  EXPECT_TRUE(Results().empty());
}

TEST_F(FormTest, FailureInsideTheScanStopsTheRunAndTheNextRunRecovers) {
  Type(u"1000", u"2000");
  controls->Faults().FailOn("List1", 1, ControlOperation::AddItem, 100);
  EXPECT_THROW(Compute(), ControlError);
  EXPECT_EQ(Shown(0), u"1000");  // bounds were already written back
  EXPECT_EQ(Shown(2), u"");      // the count comes last and was never written
  controls->Faults().Disarm();
  Compute();
  EXPECT_EQ(Shown(2), u"504");
  EXPECT_EQ(Results().size(), 504u);
}

TEST_F(FormTest, FailuresOfEveryScanOperationArePassedOn) {
  const struct {
    const char* array;
    std::int16_t index;
    ControlOperation operation;
  } faults[] = {
      {"Text2", 0, ControlOperation::WriteText}, {"List1", 0, ControlOperation::Clear},
      {"List1", 1, ControlOperation::ItemText},  {"List1", 0, ControlOperation::AddItem},
      {"Text2", 2, ControlOperation::WriteText},
  };
  for (const auto& f : faults) {
    controls->Faults().FailOn(f.array, f.index, f.operation);
    EXPECT_THROW(Compute(), ControlError) << f.array << "(" << f.index << ")";
    controls->Faults().Disarm();
  }
  controls->Faults().FailOn("Text2", 2, ControlOperation::SetLocked);
  EXPECT_THROW(form.Form_Load(), ControlError);
}

}  // namespace
}  // namespace dd
