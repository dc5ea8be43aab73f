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

TEST(TextHelpers, NeverCutInsideWhatShowsAsOneCharacter) {
  EXPECT_TRUE(SplitsCharacter(u"1\U0001F600", 2));           // a surrogate pair
  EXPECT_TRUE(SplitsCharacter(u"e\u0301", 1));               // a letter and its accent
  EXPECT_TRUE(SplitsCharacter(u"\U0001F44D\U0001F3FD", 2));  // a skin tone
  EXPECT_TRUE(SplitsCharacter(u"\U0001F1E7\U0001F1EC", 2));  // a flag's two letters
  EXPECT_FALSE(SplitsCharacter(u"\U0001F1E7\U0001F1EC\U0001F1E7\U0001F1EC", 4));  // two flags
  EXPECT_FALSE(SplitsCharacter(u"12", 1));
  EXPECT_FALSE(SplitsCharacter(u"12", 0));
  EXPECT_FALSE(SplitsCharacter(u"12", 2));
}

TEST(TextHelpers, Utf8ReadsAsUtf16AndBadBytesAsReplacementCharacters) {
  EXPECT_EQ(FromUtf8("List1(1) \xd0\xbd\xd0\xb5"), u"List1(1) не");
  EXPECT_EQ(FromUtf8("\xf0\x9f\x98\x80"), u"\U0001F600");
  EXPECT_EQ(FromUtf8("a\xff"
                     "b"),
            u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xc0\xaf"), u"\uFFFD\uFFFD");            // an overlong slash
  EXPECT_EQ(FromUtf8("\xed\xa0\x80"), u"\uFFFD\uFFFD\uFFFD");  // a lone surrogate
  EXPECT_EQ(FromUtf8("\xe2\x82"), u"\uFFFD\uFFFD");            // cut short
}

}  // namespace
}  // namespace dd
