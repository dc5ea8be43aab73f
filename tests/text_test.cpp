// Substring helpers that count characters, not code units.
#include <gtest/gtest.h>

#include "runtime/text.h"

namespace dd {
namespace {

TEST(TextHelpers, CountCharactersNotCodeUnits) {
  EXPECT_EQ(LastChars(u" 1234", 4), u"1234");
  EXPECT_EQ(LastChars(u"12", 4), u"12");
  EXPECT_EQ(LastChars(u"", 4), u"");
  EXPECT_EQ(LastChars(u"ab\U0001F600", 1), u"\U0001F600");
  EXPECT_EQ(LastChars(u"Край", 3), u"рай");
  EXPECT_EQ(CharAt(u"1234", 1), u"1");
  EXPECT_EQ(CharAt(u"1234", 4), u"4");
  EXPECT_EQ(CharAt(u"1234", 5), u"");
  EXPECT_EQ(CharAt(u"1234", 0), u"");
  EXPECT_EQ(CharAt(u"\U0001F600x", 1), u"\U0001F600");
  EXPECT_EQ(CharAt(u"\U0001F600x", 2), u"x");
  EXPECT_EQ(CharAt(u"Общо", 2), u"б");
}

}  // namespace
}  // namespace dd
