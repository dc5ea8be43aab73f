// The scan: which numbers are listed, the count, and failures on the way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "tests/form_fixture.h"
#include "tests/support/digit_oracle.h"

namespace dd {
namespace {

std::vector<Text> Expected(int start, int end) {
  return support::ExpectedItems(start, end);
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
  EXPECT_EQ(support::Items(controls->List1(1)), (std::vector<Text>{u"0", u"0", u"0", u"2"}));
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

TEST_F(FormTest, FailureInsideTheScanStopsTheRunAndTheNextRunRecovers) {
  Type(u"1000", u"2000");
  faults.FailOn("List1", 1, ControlOperation::AddItem, 100);
  EXPECT_THROW(Compute(), ControlError);
  EXPECT_EQ(Shown(0), u"1000");  // bounds were already written back
  EXPECT_EQ(Shown(2), u"");      // the count comes last and was never written
  faults.Disarm();
  Compute();
  EXPECT_EQ(Shown(2), u"504");
  EXPECT_EQ(Results().size(), 504u);
}

TEST_F(FormTest, FailuresOfEveryScanOperationArePassedOn) {
  const struct {
    const char* array;
    std::int16_t index;
    ControlOperation operation;
  } failures[] = {
      {"Text2", 0, ControlOperation::WriteText}, {"List1", 0, ControlOperation::Clear},
      {"List1", 1, ControlOperation::ItemText},  {"List1", 0, ControlOperation::AddItem},
      {"Text2", 2, ControlOperation::WriteText},
  };
  for (const auto& f : failures) {
    faults.FailOn(f.array, f.index, f.operation);
    EXPECT_THROW(Compute(), ControlError) << f.array << "(" << f.index << ")";
    faults.Disarm();
  }
  faults.FailOn("Text2", 2, ControlOperation::SetLocked);
  EXPECT_THROW(form.Form_Load(), ControlError);
}

}  // namespace
}  // namespace dd
