// The window as a user meets it, the same scenarios for every window: each
// window test program runs them over its own WindowDriver.
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <string>

#include "tests/window_driver.h"
#include "window/texts.h"

namespace dd::testing {

void WindowScenario::ExpectCleared() {
  for (const Role box : {Role::StartBox, Role::EndBox, Role::CountBox}) {
    EXPECT_EQ(Shown(box), u"") << design::ObjectName(box);
  }
  EXPECT_TRUE(window->Items().empty());
}

namespace {

Text Number(int value) {
  const std::string digits = std::to_string(value);
  return Text(digits.begin(), digits.end());
}

std::string Name(design::Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

TEST_F(WindowScenario, StartsClearedWithTheCountBoxEditable) {
  ExpectCleared();
  EXPECT_EQ(window->Focused(), design::kFirstFocus);
  EXPECT_FALSE(window->ReadOnly(Role::CountBox));
  window->Focus(Role::CountBox);
  window->Type(u"77");
  EXPECT_EQ(Shown(Role::CountBox), u"77");
  EXPECT_EQ(window->Title(), u"www.example.org Информатика - числа от интервал");
  // 461 by 345 pixels at 96 dpi, scaled at any other; of a fixed size.
  const Rect client = window->ClientArea();
  EXPECT_EQ(client.width, window->Pixels(design::kClientWidth));
  EXPECT_EQ(client.height, window->Pixels(design::kClientHeight));
  EXPECT_FALSE(window->Resizable());
  // The digit list works unseen; the result list is the only list shown.
  EXPECT_FALSE(window->Shown(Role::Digits));
  EXPECT_EQ(window->ListsShown(), 1);
}

TEST_F(WindowScenario, TaskStatementScrollsAndCannotBeEdited) {
  EXPECT_TRUE(window->ReadOnly(Role::TaskStatement));
  EXPECT_TRUE(window->ScrollsVertically(Role::TaskStatement));
  const Text before = Shown(Role::TaskStatement);
  EXPECT_EQ(before.rfind(u"Да се реализира проект", 0), 0u);
  EXPECT_EQ(std::count(before.begin(), before.end(), u'\n'), 5);
  window->Focus(Role::TaskStatement);
  window->Type(u"abc");
  window->Press(Key::Delete);
  window->Press(Key::Backspace);
  EXPECT_EQ(Shown(Role::TaskStatement), before);
}

TEST_F(WindowScenario, ComputeOnAFreshWindowLists504Numbers) {
  window->Click(Role::Compute);
  EXPECT_EQ(Shown(Role::StartBox), u"1000");
  EXPECT_EQ(Shown(Role::EndBox), u"2000");
  EXPECT_EQ(Shown(Role::CountBox), u"504");
  const std::vector<Text> items = window->Items();
  ASSERT_EQ(items.size(), 504u);
  EXPECT_EQ(items.front(), u"1023");
  EXPECT_EQ(items.back(), u"1987");
  EXPECT_EQ(hook.Heard(), std::vector<Text>{u"Намерени са 504 числа от 1000 до 2000."});
}

TEST_F(WindowScenario, BoundsAreOrderedClampedAndWrittenBackWhole) {
  struct Case {
    const char16_t* start;
    const char16_t* end;
    const char16_t* shown_start;
    const char16_t* shown_end;
    int count;
    const char16_t* first;
  };
  const Case cases[] = {
      {u"1000", u"9000", u"1000", u"9000", 4032, u"1023"},
      {u"9000", u"1000", u"1000", u"9000", 4032, u"1023"},
      {u"5000", u"3000", u"3000", u"5000", 1008, u"3012"},
      {u"1500", u"", u"1000", u"1500", 224, u"1023"},
      {u"1E5", u"1E5", u"100000", u"9000", 0, nullptr},
      // A second run without clearing shows its own count only.
      {u"3000", u"3100", u"3000", u"3100", 56, u"3012"},
      {u"1023", u"1023", u"1023", u"1023", 1, u"1023"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("case " + std::to_string(&c - cases));
    window->Write(Role::StartBox, c.start);
    window->Write(Role::EndBox, c.end);
    window->Click(Role::Compute);
    EXPECT_EQ(Shown(Role::StartBox), c.shown_start);
    EXPECT_EQ(Shown(Role::EndBox), c.shown_end);
    const std::vector<Text> items = window->Items();
    EXPECT_EQ(static_cast<int>(items.size()), c.count);
    EXPECT_EQ(Shown(Role::CountBox), Number(c.count));
    if (c.first != nullptr && !items.empty()) {
      EXPECT_EQ(items.front(), c.first);
    }
  }
  EXPECT_EQ(hook.Heard().back(), u"Намерено е 1 число от 1023 до 1023.");
  // After 1000..9000 the list ends with the greatest such number up to 9000.
  window->Write(Role::StartBox, u"1000");
  window->Write(Role::EndBox, u"9000");
  window->Click(Role::Compute);
  EXPECT_EQ(window->Items().back(), u"8976");
}

TEST_F(WindowScenario, NumbersAreReadAndWrittenWithAPointWhateverTheLocale) {
  if (std::getenv("DD_EXPECT_LOCALE") != nullptr) {
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
  }
  window->Focus(Role::StartBox);
  window->Type(u".9E4");
  window->Focus(Role::EndBox);
  window->Type(u"1.5");
  window->Click(Role::Compute);
  EXPECT_EQ(Shown(Role::StartBox), u"1000");
  EXPECT_EQ(Shown(Role::EndBox), u"9000");
  EXPECT_EQ(Shown(Role::CountBox), u"4032");
  window->Write(Role::StartBox, u"1233.5");
  window->Write(Role::EndBox, u"1240");
  window->Click(Role::Compute);
  EXPECT_EQ(Shown(Role::StartBox), u"1233.5");
  EXPECT_EQ(window->Items().front(), u"1234");
}

TEST_F(WindowScenario, ClearEmptiesTheWindowAndComputeStartsAgain) {
  window->Write(Role::StartBox, u"9000");
  window->Write(Role::EndBox, u"1000");
  window->Click(Role::Compute);
  EXPECT_EQ(window->Items().size(), 4032u);
  window->Click(Role::Clear);
  ExpectCleared();
  window->Click(Role::Clear);
  ExpectCleared();
  EXPECT_FALSE(window->ModalOpen());
  window->Click(Role::Compute);
  EXPECT_EQ(Shown(Role::CountBox), u"504");
  EXPECT_EQ(window->Items().size(), 504u);
  const std::vector<Text> heard = {texts::ComputedAnnouncement(u"1000", u"9000", 4032),
                                   u"Прозорецът е изчистен.", u"Прозорецът е изчистен.",
                                   texts::ComputedAnnouncement(u"1000", u"2000", 504)};
  EXPECT_EQ(hook.Heard(), heard);
}

TEST_F(WindowScenario, NumberBoxesTakeAtMostFourTypedOrPastedCharacters) {
  for (const Role box : {Role::StartBox, Role::EndBox, Role::CountBox}) {
    window->Focus(box);
    window->Type(u"123456");
    EXPECT_EQ(Shown(box), u"1234") << design::ObjectName(box);
  }
  window->Focus(Role::StartBox);
  auto paste_over_all = [this](std::u16string_view text) {
    window->SetClipboard(text);
    window->PressCtrl('A');
    window->PressCtrl('V');
    return Shown(Role::StartBox);
  };
  EXPECT_EQ(paste_over_all(u"98765"), u"9876");
  EXPECT_EQ(paste_over_all(u"1\r\n2\n3\r4"), u"1234");
  // Never half of what shows as one character.
  EXPECT_EQ(paste_over_all(u"123e\u0301"), u"123");
  EXPECT_EQ(paste_over_all(u"123\U0001F600"), u"123");
}

TEST_F(WindowScenario, ProgramWritesAreNeverCut) {
  window->Focus(Role::StartBox);
  window->Type(u"9E14");
  window->Focus(Role::EndBox);
  window->Type(u"9E99");
  window->Click(Role::Compute);
  const Text written = u"900000000000000";
  EXPECT_EQ(Shown(Role::StartBox), written);
  EXPECT_EQ(Shown(Role::EndBox), u"9000");
  EXPECT_EQ(window->Caret(Role::StartBox), 0) << "shown from its first digit";
  // The user may shorten such a text but not lengthen it, neither by typing
  // nor by pasting.
  window->Focus(Role::StartBox);
  window->Press(Key::End);
  window->Type(u"7");
  EXPECT_EQ(Shown(Role::StartBox), written);
  window->SetClipboard(u"7");
  window->PressCtrl('V');
  EXPECT_EQ(Shown(Role::StartBox), written);
  // A paste over all of it is cut to four, and undone whole.
  window->SetClipboard(Text(35, u'7'));
  window->PressCtrl('A');
  window->PressCtrl('V');
  EXPECT_EQ(Shown(Role::StartBox), u"7777");
  window->PressCtrl('Z');
  EXPECT_EQ(Shown(Role::StartBox), written);
  window->Press(Key::End);
  window->Press(Key::Backspace);
  EXPECT_EQ(Shown(Role::StartBox), written.substr(0, 14));
  window->Type(u"7");
  EXPECT_EQ(Shown(Role::StartBox), written.substr(0, 14));
  // Shortened to four, it takes typing again up to four.
  for (int i = 0; i < 10; ++i) {
    window->Press(Key::Backspace);
  }
  window->Press(Key::Backspace);
  window->Type(u"55");
  EXPECT_EQ(Shown(Role::StartBox), u"9005");
}

TEST_F(WindowScenario, EnterComputesFromTheBoxesAndPressesTheFocusedButton) {
  window->Focus(Role::StartBox);
  window->Type(u"3000");
  window->Press(Key::Return);
  EXPECT_EQ(Shown(Role::StartBox), u"1000");
  EXPECT_EQ(Shown(Role::EndBox), u"3000");
  EXPECT_EQ(Shown(Role::CountBox), Number(static_cast<int>(window->Items().size())));
  EXPECT_EQ(window->Focused(), Role::StartBox);
  window->Focus(Role::Clear);
  window->Press(Key::Return);
  ExpectCleared();
  window->Focus(Role::EndBox);
  window->Press(Key::KeypadEnter);
  EXPECT_EQ(Shown(Role::CountBox), u"504");
  window->Focus(Role::Clear);
  window->Press(Key::Space);
  ExpectCleared();
  window->Focus(Role::Compute);
  window->Press(Key::KeypadEnter);
  EXPECT_EQ(window->Items().size(), 504u);
  // The count box is not an input: Return there computes nothing.
  window->Focus(Role::CountBox);
  window->Press(Key::End);
  window->Press(Key::Backspace);
  window->Press(Key::Return);
  EXPECT_EQ(Shown(Role::CountBox), u"50");
}

TEST_F(WindowScenario, TabFollowsTheDesignedOrderFromTheTaskStatement) {
  ASSERT_EQ(window->Focused(), design::kFirstFocus);
  const std::size_t count = design::kFocusOrder.size();
  for (std::size_t step = 1; step <= count; ++step) {
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), design::kFocusOrder[step % count]) << "step " << step;
  }
  window->Press(Key::Tab, true);
  EXPECT_EQ(window->Focused(), design::kFocusOrder[count - 1]);
  window->Press(Key::Tab, true);
  EXPECT_EQ(window->Focused(), design::kFocusOrder[count - 2]);
}

TEST_F(WindowScenario, ControlsStandWhereTheDesignPutsThemInTheDesignedFont) {
  for (const design::ControlDesign& d : design::kControls) {
    SCOPED_TRACE(design::ObjectName(d.role));
    if (d.hidden) {
      continue;
    }
    ASSERT_TRUE(window->Shown(d.role));
    EXPECT_EQ(window->RectOf(d.role), (Rect{window->Pixels(d.left), window->Pixels(d.top),
                                            window->Pixels(d.width), window->Pixels(d.height)}));
    const FontInfo font = window->FontOf(d.role);
    EXPECT_EQ(font.family, design::kFontFamily);
    EXPECT_EQ(font.points, design::kFontPoints);
  }
}

TEST_F(WindowScenario, DesignedColoursCoverTheDesignedRectangles) {
  const Capture image = window->Grab();
  const int px = window->Pixels(design::kTwipsPerPixel);  // one pixel at 96 dpi
  ASSERT_GE(image.width, 461 * px);
  ASSERT_GE(image.height, 345 * px);
  EXPECT_EQ(Name(image.At(5 * px, 5 * px)), Name(design::kWindowBackground));
  EXPECT_EQ(Name(image.At(455 * px, 340 * px)), Name(design::kWindowBackground));
  for (const design::ControlDesign& d : design::kControls) {
    if (d.background == nullptr) {
      continue;
    }
    const int left = window->Pixels(d.left);
    const int top = window->Pixels(d.top);
    const int right = window->Pixels(d.left + d.width) - 1;  // inside
    const int bottom = window->Pixels(d.top + d.height) - 1;
    // Labels are filled edge to edge (the number box beside each overlaps
    // its last pixel column); buttons inside their 2-pixel border.
    const int inset = d.kind == design::Kind::Label ? 0 : 3 * px;
    const int points[][2] = {{left + inset, top + inset},
                             {left + inset, bottom - inset},
                             {right - inset - px, bottom - inset},
                             {left + inset + 1, (top + bottom) / 2}};
    for (const auto& p : points) {
      EXPECT_EQ(Name(image.At(p[0], p[1])), Name(*d.background))
          << design::ObjectName(d.role) << " at " << p[0] << "," << p[1];
    }
    // The caption is drawn on it in black.
    bool black = false;
    for (int y = top; y <= bottom && !black; ++y) {
      for (int x = left; x < right && !black; ++x) {
        black = Name(image.At(x, y)) == Name(design::kTextOnDesignedBackground);
      }
    }
    EXPECT_TRUE(black || d.kind == design::Kind::CommandButton)
        << design::ObjectName(d.role) << " shows no black text";
  }
}

TEST_F(WindowScenario, ScreenReadersFindEachControlsNameAndHearNothingWhileMovingAround) {
  for (const design::ControlDesign& d : design::kControls) {
    if (!d.hidden) {
      EXPECT_EQ(window->AccessibleNameOf(d.role), design::AccessibleName(d.role))
          << design::ObjectName(d.role);
    }
  }
  EXPECT_EQ(window->AccessibleNameOf(Role::StartBox), u"Начало:");
  EXPECT_EQ(window->AccessibleNameOf(Role::Results), u"Числа с различни цифри");
  for (std::size_t step = 0; step < design::kFocusOrder.size(); ++step) {
    window->Press(Key::Tab);
  }
  EXPECT_TRUE(hook.Heard().empty());
}

TEST_F(WindowScenario, AnErrorIsReportedAndTheWindowStaysUsable) {
  hook.FailOn("List1", 1, ControlOperation::AddItem, 50);
  const auto [title, text] = window->ReportOf([this] { window->Click(Role::Compute); });
  EXPECT_EQ(title, u"Грешка");
  EXPECT_EQ(text.rfind(u"Действието не можа да завърши.\n", 0), 0u);
  EXPECT_NE(text.find(u"Неуспешна операция с контрола"), Text::npos);
  EXPECT_NE(text.find(u"List1(1)"), Text::npos);
  EXPECT_FALSE(window->ModalOpen());
  EXPECT_TRUE(hook.Heard().empty()) << "a failed command is not announced";
  hook.Disarm();
  window->Click(Role::Compute);
  EXPECT_EQ(Shown(Role::CountBox), u"504");
}

TEST_F(WindowScenario, SelectedResultsAreCopiedOneALineInListOrder) {
  window->Click(Role::Compute);
  window->Focus(Role::Results);
  window->PressCtrl('A');
  EXPECT_EQ(window->SelectedCount(), 504);
  window->PressCtrl('C');
  const std::vector<Text> all = window->ClipboardLines();
  ASSERT_EQ(all.size(), 504u);
  EXPECT_EQ(all.front(), u"1023");
  EXPECT_EQ(all.back(), u"1987");

  // Rows 0 and 1, then 10 and 5: copied in list order.
  window->SelectRows({0, 1, 10, 5});
  window->PressCtrl('C');
  const std::vector<Text> items = window->Items();
  EXPECT_EQ(window->ClipboardLines(), (std::vector<Text>{items[0], items[1], items[5], items[10]}));

  // The menu key offers the same in Bulgarian; the list itself is untouched.
  const std::vector<std::pair<Text, bool>> offered = {{u"&Копиране", true},
                                                      {u"Избиране на &всичко", true}};
  EXPECT_EQ(window->ResultsMenu(), offered);
  EXPECT_FALSE(window->ModalOpen());
  EXPECT_EQ(window->Items(), items);
}

TEST_F(WindowScenario, AccessKeysMoveToTheBoxesAndPressTheButtons) {
  window->PressAlt(u'н');
  EXPECT_EQ(window->Focused(), Role::StartBox);
  window->Type(u"1000");
  window->PressAlt(u'К');
  EXPECT_EQ(window->Focused(), Role::EndBox);
  window->Type(u"2000");
  window->PressAlt(u'б');
  EXPECT_EQ(window->Focused(), Role::CountBox);
  window->PressAlt(u'с');
  EXPECT_EQ(Shown(Role::CountBox), u"504");
  EXPECT_EQ(window->Items().size(), 504u);
  window->PressAlt(u'Т');
  ExpectCleared();
  // A letter that is no access key moves nothing (what it types is the
  // toolkit's business, as in any of its boxes).
  window->Focus(Role::EndBox);
  window->PressAlt(u'ж');
  EXPECT_EQ(window->Focused(), Role::EndBox);
}

TEST_F(WindowScenario, TheResultListShowsItsFocusAndStartsAtTheFirstNumber) {
  const Rect list = window->RectOf(Role::Results);
  window->Focus(Role::TaskStatement);
  const Capture unfocused = window->Grab();
  window->Press(Key::Tab);
  ASSERT_EQ(window->Focused(), Role::Results);
  EXPECT_TRUE(Differs(unfocused, window->Grab(), list)) << "no focus shown on the empty list";

  window->Click(Role::Compute);
  window->Focus(Role::TaskStatement);
  window->Press(Key::Tab);
  ASSERT_EQ(window->Focused(), Role::Results);
  EXPECT_EQ(window->CurrentRow(), 0);
  window->Press(Key::Down);
  EXPECT_EQ(window->CurrentRow(), 1);
  EXPECT_EQ(window->Items().size(), 504u);
}

// The lowest row of dark pixels inside `r` (`inset` pixels in from each
// edge), among the columns from `from_x` on; -1 if none.
int LowestInk(const Capture& image, const Rect& r, int inset, int from_x) {
  int lowest = -1;
  for (int y = r.top + inset; y < r.top + r.height - inset; ++y) {
    for (int x = std::max(r.left + inset, from_x); x < r.left + r.width - inset; ++x) {
      const design::Rgb c = image.At(x, y);
      if (c.red + c.green + c.blue < 3 * 100) {
        lowest = y;
      }
    }
  }
  return lowest;
}

// The rightmost column of dark pixels inside `r`; -1 if none.
int RightmostInk(const Capture& image, const Rect& r) {
  int rightmost = -1;
  for (int y = r.top; y < r.top + r.height; ++y) {
    for (int x = r.left; x < r.left + r.width; ++x) {
      const design::Rgb c = image.At(x, y);
      if (c.red + c.green + c.blue < 3 * 100) {
        rightmost = std::max(rightmost, x);
      }
    }
  }
  return rightmost;
}

TEST_F(WindowScenario, CaptionsStandOnTheBaselineOfTheirBoxesText) {
  window->Write(Role::StartBox, u"1000");
  window->Write(Role::EndBox, u"2000");
  window->Write(Role::CountBox, u"504");
  window->Focus(Role::TaskStatement);
  const Capture image = window->Grab();
  const int px = window->Pixels(design::kTwipsPerPixel);
  for (const design::CaptionOfBox& named : design::kBoxCaptions) {
    SCOPED_TRACE(design::ObjectName(named.caption));
    // Every caption ends in a colon, whose lower dot sits on the baseline;
    // digits have no descenders.
    const Rect caption = window->RectOf(named.caption);
    const int colon = RightmostInk(image, caption);
    ASSERT_GE(colon, 0);
    const int caption_base = LowestInk(image, caption, 0, colon - 2 * px);
    const int box_base = LowestInk(image, window->RectOf(named.box), 3 * px, 0);
    ASSERT_GE(box_base, 0);
    EXPECT_LE(std::abs(caption_base - box_base), px - 1) << caption_base << " against " << box_base;
  }
}

}  // namespace
}  // namespace dd::testing
