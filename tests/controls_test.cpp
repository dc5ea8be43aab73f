#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "tests/support/fault_injector.h"
#include "tests/support/memory_controls.h"
#include "window/controls.h"
#include "window/typing_limit.h"

namespace dd {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() { controls->SetHook(&faults); }

  support::FaultInjector faults;
  std::unique_ptr<ControlSet> controls = support::MakeMemoryControls();
  ListBox& digits() { return controls->List1(1); }
  ListBox& results() { return controls->List1(0); }
};

TEST_F(ControlsTest, ArraysHoldTheDesignedControls) {
  EXPECT_EQ(controls->Text1.Count(), 1);
  EXPECT_EQ(controls->Text2.Count(), 3);
  EXPECT_EQ(controls->List1.Count(), 2);
  EXPECT_EQ(controls->Command1.Count(), 2);
  EXPECT_EQ(controls->Label1.Count(), 4);
  EXPECT_TRUE(controls->Text2(2).Locked());
  EXPECT_FALSE(controls->Text2(0).Locked());
  EXPECT_TRUE(controls->Text1(0).Locked());
  for (std::int16_t i = 0; i < controls->Label1.Count(); ++i) {
    EXPECT_EQ(controls->Label1(i).id().index, i);
  }
}

TEST_F(ControlsTest, SortedListPutsEqualItemsNextToEachOther) {
  for (const char16_t* digit : {u"1", u"3", u"2", u"1"}) {
    digits().AddItem(digit);
  }
  EXPECT_EQ(support::Items(digits()), (std::vector<Text>{u"1", u"1", u"2", u"3"}));
  digits().Clear();
  for (const char16_t* digit : {u"9", u"0", u"5", u"0"}) {
    digits().AddItem(digit);
  }
  EXPECT_EQ(support::Items(digits()), (std::vector<Text>{u"0", u"0", u"5", u"9"}));
  EXPECT_EQ(digits().List(3), u"9");
}

TEST_F(ControlsTest, UnsortedListKeepsTheOrderOfAdding) {
  for (const char16_t* item : {u"3210", u"1023", u"2"}) {
    results().AddItem(item);
  }
  EXPECT_EQ(support::Items(results()), (std::vector<Text>{u"3210", u"1023", u"2"}));
  EXPECT_EQ(results().ListCount(), 3);
  results().Clear();
  EXPECT_EQ(results().ListCount(), 0);
}

TEST_F(ControlsTest, ProgramWritesAreNeverCut) {
  controls->Text2(0).SetText(u"100000");
  EXPECT_EQ(controls->Text2(0).GetText(), u"100000");
  controls->Text2(2).SetText(u"4032");  // written while locked
  EXPECT_EQ(controls->Text2(2).GetText(), u"4032");
}

// A user's insertion is cut to the typing limit without line breaks or half a
// surrogate pair; a text longer than the limit may only lose characters.
TEST(TypingLimitTest, InsertionsFitAndLongTextsOnlyShorten) {
  EXPECT_EQ(FitInsertion(u"98765", 1, 4), u"987");
  EXPECT_EQ(FitInsertion(u"1\r\n2\n3\u20284\v", 0, 4), u"1234");
  EXPECT_EQ(FitInsertion(u"123\U0001F600", 0, 4), u"123");
  EXPECT_EQ(FitInsertion(u"5", 15, 4), u"");
  EXPECT_TRUE(IsAllowedEdit(u"123", u"1234", 4));
  EXPECT_FALSE(IsAllowedEdit(u"1234", u"12345", 4));
  EXPECT_TRUE(IsAllowedEdit(u"123456", u"12356", 4));
  EXPECT_FALSE(IsAllowedEdit(u"123456", u"17456", 4));
  EXPECT_FALSE(IsAllowedEdit(u"123456", u"123457", 4));
  EXPECT_FALSE(IsAllowedEdit(u"12", u"1\n2", 4));
}

TEST_F(ControlsTest, BadIndexOrPositionRaisesControlError) {
  EXPECT_THROW(controls->Text2(3), ControlError);
  EXPECT_THROW(controls->List1(-1), ControlError);
  EXPECT_THROW(controls->Command1(2), ControlError);
  EXPECT_THROW(results().List(0), ControlError);
  results().AddItem(u"1023");
  EXPECT_EQ(results().List(0), u"1023");
  EXPECT_THROW(results().List(1), ControlError);
  EXPECT_THROW(results().List(-1), ControlError);
}

TEST_F(ControlsTest, InjectedFaultFailsTheChosenCallAndLaterOnes) {
  faults.FailOn("List1", 0, ControlOperation::AddItem, 2);
  results().AddItem(u"a");
  results().AddItem(u"b");
  digits().AddItem(u"1");  // another control is unaffected
  EXPECT_THROW(results().AddItem(u"c"), ControlError);
  EXPECT_THROW(results().AddItem(u"d"), ControlError);
  EXPECT_EQ(results().ListCount(), 2);
  faults.Disarm();
  results().AddItem(u"e");
  EXPECT_EQ(results().ListCount(), 3);
}

TEST_F(ControlsTest, ErrorsNameTheControlInBulgarian) {
  faults.FailOn("Text2", 1, ControlOperation::ReadText);
  try {
    controls->Text2(1).GetText();
    FAIL() << "no error raised";
  } catch (const ControlError& error) {
    EXPECT_NE(std::string(error.what()).find("Text2(1)"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("четене"), std::string::npos);
  }
}

TEST_F(ControlsTest, ClickRaisesTheHandlerWithTheButtonsIndex) {
  std::vector<std::int16_t> clicked;
  for (std::int16_t i = 0; i < 2; ++i) {
    controls->Command1(i).SetClickHandler([&](std::int16_t index) { clicked.push_back(index); });
  }
  controls->Command1(1).Click();
  controls->Command1(0).Click();
  EXPECT_EQ(clicked, (std::vector<std::int16_t>{1, 0}));
}

}  // namespace
}  // namespace dd
