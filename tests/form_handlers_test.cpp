// The start-up handler, the button handler and the clear command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/errors.h"
#include "tests/form_fixture.h"
#include "tests/support/digit_oracle.h"

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
