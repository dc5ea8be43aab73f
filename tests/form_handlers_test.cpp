// The start-up handler, the button handler and the clear command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/errors.h"
#include "tests/form_fixture.h"
#include "tests/support/digit_oracle.h"
#include "window/command_runner.h"
#include "window/form_design.h"

namespace dd {
namespace {

std::vector<Text> Expected(int start, int end) {
  return support::ExpectedItems(start, end);
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

}  // namespace
}  // namespace dd

// The window's error boundary and what each command announces, the same for
// every window.
namespace dd {
namespace {

TEST_F(FormTest, CommandsSayWhatToAnnounceAndErrorsWhatToReport) {
  const CommandOutcome computed = RunCommand(form, *controls, design::Role::Compute);
  EXPECT_TRUE(computed.finished);
  EXPECT_EQ(computed.announcement, u"Намерени са 504 числа от 1000 до 2000.");
  Type(u"1023", u"1023");
  EXPECT_EQ(RunCommand(form, *controls, design::Role::Compute).announcement,
            u"Намерено е 1 число от 1023 до 1023.");
  EXPECT_EQ(RunCommand(form, *controls, design::Role::Clear).announcement,
            u"Прозорецът е изчистен.");
  EXPECT_EQ(faults.Heard().size(), 3u);

  faults.FailOn("List1", 1, ControlOperation::AddItem, 200);  // in the 51st candidate
  const CommandOutcome failed = RunCommand(form, *controls, design::Role::Compute);
  EXPECT_FALSE(failed.finished);
  EXPECT_TRUE(failed.announcement.empty());
  EXPECT_EQ(failed.error,
            u"Действието не можа да завърши.\n"
            u"Неуспешна операция с контрола: List1(1), добавяне на ред");
  EXPECT_EQ(faults.Heard().size(), 3u);
  // What the failed run had listed stays for the window to show.
  EXPECT_EQ(Results(), Expected(1000, 1049));
}

TEST(WindowDesign, AccessKeysFindTheirControlInEitherCase) {
  EXPECT_EQ(design::AccessKeyTarget(u'н'), design::Role::StartBox);
  EXPECT_EQ(design::AccessKeyTarget(u'Н'), design::Role::StartBox);
  EXPECT_EQ(design::AccessKeyTarget(u'Б'), design::Role::CountBox);
  EXPECT_EQ(design::AccessKeyTarget(u'с'), design::Role::Compute);
  EXPECT_EQ(design::AccessKeyTarget(u'т'), design::Role::Clear);
  EXPECT_EQ(design::AccessKeyTarget(u'n'), std::nullopt);  // the Latin letter is another key
  EXPECT_EQ(design::AccessKeyTarget(u'а'), std::nullopt);
}

TEST(WindowDesign, ATextBoxArrayIsFoundOnlyByItsOwnName) {
  const auto controls = support::MakeMemoryControls();
  EXPECT_EQ(&controls->TextBoxes("Text1"), &controls->Text1);
  EXPECT_EQ(&controls->TextBoxes("Text2"), &controls->Text2);
  EXPECT_THROW(controls->TextBoxes("List1"), ControlError);
}

}  // namespace
}  // namespace dd
