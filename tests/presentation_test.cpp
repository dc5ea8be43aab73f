#include "window/presentation.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/memory_controls.h"

namespace dd {
namespace {

using design::Role;
using present::EnterKey;
using present::Widget;

// What each shown control is presented as, as every window shows it.
struct Shown {
  Role role;
  Widget widget;
  std::string_view object_name;
  std::u16string_view text;  // with the access key marked
  std::u16string_view name;  // for screen readers
  std::u16string_view keys;
  EnterKey enter;
};

TEST(Presentation, EachControlHasItsWidgetCaptionNameAndKeys) {
  const std::vector<Shown> expected = {
      {Role::Title, Widget::Title, "Label1(0)", u"Информатика - числа с различни цифри",
       u"Информатика - числа с различни цифри", u"", EnterKey::None},
      {Role::StartCaption, Widget::Caption, "Label1(1)", u"&Начало:", u"Начало:", u"",
       EnterKey::None},
      {Role::StartBox, Widget::NumberBox, "Text2(0)", u"", u"Начало:", u"Alt+н", EnterKey::Next},
      {Role::EndBox, Widget::NumberBox, "Text2(1)", u"", u"Край:", u"Alt+к", EnterKey::Compute},
      {Role::CountCaption, Widget::Caption, "Label1(3)", u"О&бщо:", u"Общо:", u"", EnterKey::None},
      {Role::CountBox, Widget::NumberBox, "Text2(2)", u"", u"Общо:", u"Alt+б", EnterKey::None},
      {Role::Compute, Widget::Button, "Command1(0)", u"Изчи&сли", u"Изчисли", u"Alt+с",
       EnterKey::None},
      {Role::Clear, Widget::Button, "Command1(1)", u"Из&трий", u"Изтрий", u"Alt+т", EnterKey::None},
      {Role::Results, Widget::List, "List1(0)", u"", u"Числа с различни цифри", u"",
       EnterKey::None},
      {Role::TaskStatement, Widget::TextArea, "Text1(0)", design::kTaskStatement,
       u"Условие на задачата", u"", EnterKey::None},
  };
  for (const Shown& e : expected) {
    SCOPED_TRACE(e.object_name);
    const present::Control& c = present::Of(e.role);
    EXPECT_EQ(c.widget, e.widget);
    EXPECT_EQ(c.object_name, e.object_name);
    EXPECT_EQ(c.text, e.text);
    EXPECT_EQ(c.name, e.name);
    EXPECT_EQ(c.keys, e.keys);
    EXPECT_EQ(c.enter, e.enter);
  }
  EXPECT_EQ(present::Of(Role::StartBox).next, Role::EndBox);
  EXPECT_EQ(present::Of(Role::StartCaption).box, Role::StartBox);
  EXPECT_EQ(present::Of(Role::EndBox).caption, Role::EndCaption);
  EXPECT_FALSE(present::Shows(Role::Digits));
}

TEST(Presentation, ControlsComeInTheDocumentOrderWithoutTheDigitList) {
  std::vector<Role> order;
  for (const present::Control& c : present::Controls()) {
    order.push_back(c.role);
  }
  EXPECT_EQ(order,
            (std::vector<Role>{Role::Title, Role::TaskStatement, Role::Results, Role::Compute,
                               Role::Clear, Role::StartCaption, Role::StartBox, Role::EndCaption,
                               Role::EndBox, Role::CountCaption, Role::CountBox}));
}

TEST(Presentation, RectanglesAreTheDesignAtADpiAndAZoom) {
  const present::Control& compute = present::Of(Role::Compute);
  EXPECT_EQ(compute.At(96), (present::Rect{320, 48, 113, 25}));
  EXPECT_EQ(compute.At(192), (present::Rect{640, 96, 226, 50}));
  EXPECT_EQ(compute.At(96, 200), compute.At(192));
  EXPECT_EQ(compute.At(96, 125), (present::Rect{400, 60, 141, 31}));  // 141.25, 31.25
  // The digit list's place reaches past the window's edge; it is not shown.
  EXPECT_EQ(present::TheWindow().At(96), (present::Rect{0, 0, 461, 345}));
  EXPECT_EQ(present::TheWindow().At(96, 250), (present::Rect{0, 0, 1153, 863}));
}

TEST(Presentation, ColoursAndTheButtonsShades) {
  const present::Control& compute = present::Of(Role::Compute);
  ASSERT_TRUE(compute.shades);
  const auto rgb = [](design::Rgb c) { return std::vector<int>{c.red, c.green, c.blue}; };
  EXPECT_EQ(rgb(compute.shades->face), (std::vector<int>{128, 255, 128}));
  EXPECT_EQ(rgb(compute.shades->border), (std::vector<int>{98, 196, 98}));  // a third darker
  EXPECT_EQ(rgb(compute.shades->pressed), (std::vector<int>{111, 221, 111}));
  EXPECT_EQ(rgb(present::Of(Role::Clear).shades->face), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(rgb(*present::Of(Role::StartCaption).background), (std::vector<int>{255, 192, 128}));
  EXPECT_FALSE(present::Of(Role::StartBox).background);
  EXPECT_FALSE(present::Of(Role::StartCaption).shades);
}

TEST(Presentation, CaptionsArePaddedOntoTheirBoxesBaseline) {
  // Start: caption 720..1095, box 720..1125 twips: middles 27.5 and 29.5
  // pixels down, twice the distance 4 pixels, less the rounding down.
  EXPECT_EQ(present::Of(Role::StartCaption).caption_pad, 2);
  EXPECT_EQ(present::Of(Role::Title).caption_pad, 0);
}

TEST(Presentation, TheMenuCopiesWhileAnyIsSelectedAndSelectsAllWhileThereIsAny) {
  struct Case {
    std::size_t selected, items;
    bool copy, select_all;
  };
  for (const Case& c : std::vector<Case>{{0, 0, false, false},
                                         {0, 504, false, true},
                                         {1, 504, true, true},
                                         {504, 504, true, true}}) {
    const auto menu = present::ResultsMenu(c.selected, c.items);
    EXPECT_EQ(menu[0].command, texts::ListCommand::Copy);
    EXPECT_EQ(menu[0].enabled, c.copy) << c.selected << " of " << c.items;
    EXPECT_EQ(menu[1].enabled, c.select_all) << c.selected << " of " << c.items;
  }
  EXPECT_EQ(present::ResultsMenu(0, 0)[0].text, u"&Копиране");
  EXPECT_EQ(present::ResultsMenu(0, 0)[1].key, u'A');
}

TEST(Presentation, ACopyTakesTheSelectedItemsInListOrderOneALine) {
  auto controls = support::MakeMemoryControls();
  ListBox& list = controls->List1(0);
  for (const char16_t* item : {u"1023", u"1024", u"1025", u"1026"}) {
    list.AddItem(item);
  }
  EXPECT_EQ(present::CopyOf(list, {false, true, false, true}), u"1024\n1026");
  EXPECT_EQ(present::CopyOf(list, {true}), u"1023");
  EXPECT_EQ(present::CopyOf(list, {false, false, false, false}), u"");
}

}  // namespace
}  // namespace dd
