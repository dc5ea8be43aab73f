// The window as a user meets it, the same scenarios for every window: each
// window test program runs them over its own WindowDriver. The cases that the
// web page's tests share are data (tests/window_cases.txt); what only the
// desktop windows can be asked, or asked only this way, is code below.
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "runtime/text.h"
#include "tests/window_driver.h"
#include "window/zoom.h"
#include "window_cases.h"

namespace dd::testing {

void WindowScenario::ExpectCleared() {
  for (const Role box : {Role::StartBox, Role::EndBox, Role::CountBox}) {
    EXPECT_EQ(Shown(box), u"") << NameOf(box);
  }
  EXPECT_TRUE(window->Items().empty());
}

namespace {

std::string Name(design::Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// The shared cases, read from the text the build embeds (tests/window_cases.txt).
struct Scenario {
  std::string name;
  std::vector<std::pair<int, std::string>> steps;  // line number, step
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

std::vector<Scenario> ReadScenarios() {
  std::vector<Scenario> scenarios;
  std::size_t at = 0;
  for (int line = 1; at < kWindowCases.size(); ++line) {
    const std::size_t end = std::min(kWindowCases.find('\n', at), kWindowCases.size());
    const std::string text(kWindowCases.substr(at, end - at));
    at = end + 1;
    if (text.rfind("scenario ", 0) == 0) {
      scenarios.push_back({text.substr(9), {}});
    } else if (!text.empty() && text[0] != '#' && !scenarios.empty()) {
      scenarios.back().steps.emplace_back(line, text);
    }
  }
  return scenarios;
}

// A case's text: UTF-8 with \r, \n, \uXXXX and \UXXXXXXXX.
Text Unescape(std::string_view text) {
  Text out;
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      continue;
    }
    out += FromUtf8(text.substr(plain, i - plain));
    const char kind = text[i + 1];
    const std::size_t digits = kind == 'u' ? 4 : kind == 'U' ? 8 : 0;
    const auto code = digits > 0 ? std::stoul(std::string(text.substr(i + 2, digits)), nullptr, 16)
                                 : static_cast<unsigned long>(kind == 'r' ? '\r' : '\n');
    if (code >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += 1 + digits;
    plain = i + 1;
  }
  return out + FromUtf8(text.substr(plain));
}

class SharedScenario : public WindowScenario, public ::testing::WithParamInterface<Scenario> {
 protected:
  // The next word of `rest`, which loses it; the last word is all that is left.
  static std::string Word(std::string& rest, bool last = false) {
    const std::size_t space = last ? std::string::npos : rest.find(' ');
    std::string word = rest.substr(0, space);
    rest = space == std::string::npos ? "" : rest.substr(space + 1);
    return word;
  }
  static Role RoleOf(const std::string& name) {
    const std::optional<Role> role = design::RoleNamed(name);
    EXPECT_TRUE(role.has_value()) << "no role " << name;
    return role.value_or(Role::Title);
  }
  static Key KeyOf(const std::string& name) {
    static const std::map<std::string, Key> keys = {
        {"Tab", Key::Tab},     {"Return", Key::Return},       {"KeypadEnter", Key::KeypadEnter},
        {"Space", Key::Space}, {"Home", Key::Home},           {"End", Key::End},
        {"Left", Key::Left},   {"Right", Key::Right},         {"Up", Key::Up},
        {"Down", Key::Down},   {"Backspace", Key::Backspace}, {"Delete", Key::Delete}};
    EXPECT_TRUE(keys.count(name) == 1) << "no key " << name;
    return keys.count(name) == 1 ? keys.at(name) : Key::Tab;
  }
  void Run(std::string rest) {
    const std::string verb = Word(rest);
    if (verb == "title") {
      EXPECT_EQ(window->Title(), Text(design::kCaption));
    } else if (verb == "focus") {
      window->Focus(RoleOf(rest));
    } else if (verb == "type") {
      window->Type(Unescape(rest));
    } else if (verb == "fill") {
      const Role box = RoleOf(Word(rest));
      window->Write(box, Unescape(rest));
    } else if (verb == "press") {
      std::string key = Word(rest);
      const bool shift = key.rfind("shift+", 0) == 0;
      const int times = rest.empty() ? 1 : std::stoi(rest);
      for (int i = 0; i < times; ++i) {
        window->Press(KeyOf(shift ? key.substr(6) : key), shift);
      }
    } else if (verb == "ctrl") {
      window->PressCtrl(rest.at(0));
    } else if (verb == "alt") {
      window->PressAlt(Unescape(rest).at(0));
    } else if (verb == "clipboard") {
      window->SetClipboard(Unescape(rest));
    } else if (verb == "click") {
      window->Click(RoleOf(rest));
    } else if (verb == "expect") {
      const Role box = RoleOf(Word(rest));
      EXPECT_EQ(Shown(box), Unescape(rest));
    } else if (verb == "count" || verb == "copied") {
      const std::size_t count = std::stoul(Word(rest));
      const std::vector<Text> items = verb == "count" ? window->Items() : window->ClipboardLines();
      ASSERT_EQ(items.size(), count);
      if (!rest.empty()) {
        EXPECT_EQ(items.front(), Unescape(Word(rest)));
      }
      if (!rest.empty()) {
        EXPECT_EQ(items.back(), Unescape(rest));
      }
    } else if (verb == "cleared") {
      ExpectCleared();
    } else if (verb == "focused") {
      EXPECT_EQ(window->Focused(), RoleOf(rest));
    } else if (verb == "caret") {
      const Role box = RoleOf(Word(rest));
      EXPECT_EQ(window->Caret(box), std::stoi(rest));
    } else if (verb == "selected") {
      EXPECT_EQ(window->SelectedCount(), std::stoi(rest));
    } else if (verb == "heard") {
      ASSERT_FALSE(hook.Heard().empty());
      EXPECT_EQ(hook.Heard().back(), Unescape(rest));
    } else if (verb == "silent") {
      EXPECT_TRUE(hook.Heard().empty());
    } else if (verb == "select") {
      std::vector<int> rows;
      while (!rest.empty()) {
        rows.push_back(std::stoi(Word(rest)));
      }
      window->SelectRows(rows);
    } else if (verb == "current") {
      EXPECT_EQ(window->CurrentRow(), std::stoi(rest));
    } else if (verb == "lines") {
      std::vector<Text> lines;
      while (!rest.empty()) {
        lines.push_back(Unescape(Word(rest)));
      }
      EXPECT_EQ(window->ClipboardLines(), lines);
    } else if (verb == "menu") {
      // Each item's text (its access key's mark left out), "on" or "off".
      std::vector<std::pair<Text, bool>> offered;
      for (auto [text, enabled] : window->ResultsMenu()) {
        std::erase(text, u'&');
        offered.emplace_back(text, enabled);
      }
      std::vector<std::pair<Text, bool>> expected;
      for (std::size_t bar = 0; !rest.empty(); rest = bar == std::string::npos ? "" : rest.substr(bar + 3)) {
        bar = rest.find(" | ");
        const std::string item = rest.substr(0, bar);
        const std::size_t state = item.rfind(' ');
        expected.emplace_back(Unescape(item.substr(0, state)), item.substr(state + 1) == "on");
      }
      EXPECT_EQ(offered, expected);
      EXPECT_FALSE(window->ModalOpen());
    } else if (verb == "named") {
      const Role role = RoleOf(Word(rest));
      EXPECT_EQ(window->AccessibleNameOf(role), Unescape(rest));
    } else if (verb == "shows-focus") {
      // The control looks otherwise with the focus than without it.
      const Role role = RoleOf(rest);
      ASSERT_EQ(window->Focused(), role);
      const Capture focused = window->Grab();
      window->Focus(design::kFirstFocus == role ? design::kFocusOrder.back() : design::kFirstFocus);
      const Capture unfocused = window->Grab();
      window->Focus(role);
      EXPECT_TRUE(Differs(focused, unfocused, window->RectOf(role))) << "no focus shown";
    } else if (verb == "fail") {
      const Role role = RoleOf(Word(rest));
      const std::optional<ControlOperation> operation = support::OperationNamed(Word(rest));
      ASSERT_TRUE(operation.has_value()) << "no operation";
      hook.FailOn(design::Of(role).array, design::Of(role).index, *operation, std::stoi(rest));
    } else if (verb == "disarm") {
      hook.Disarm();
    } else if (verb == "reported") {
      // A click that could not finish: the report's title and text, answered.
      const Role button = RoleOf(Word(rest));
      const std::size_t bar = rest.find(" | ");
      const auto [title, text] = window->ReportOf([&] { window->Click(button); });
      EXPECT_EQ(title, Unescape(rest.substr(0, bar)));
      EXPECT_EQ(text, Unescape(rest.substr(bar + 3)));
      EXPECT_FALSE(window->ModalOpen());
    } else {
      ADD_FAILURE() << "no step " << verb;
    }
  }
};

TEST_P(SharedScenario, Runs) {
  for (const auto& [line, step] : GetParam().steps) {
    SCOPED_TRACE("window_cases.txt:" + std::to_string(line) + ": " + step);
    Run(step);
    if (HasFatalFailure()) {
      return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SharedScenario, ::testing::ValuesIn(ReadScenarios()),
                         [](const auto& info) { return info.param.name; });

TEST_F(WindowScenario, IsOfTheDesignedFixedSizeWithTheDigitListUnseen) {
  EXPECT_FALSE(window->ReadOnly(Role::CountBox));
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

TEST_F(WindowScenario, NumbersAreReadAndWrittenWithAPointWhateverTheLocale) {
  if (std::getenv("DD_EXPECT_LOCALE") != nullptr) {
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
  }
  // Typed bounds are in the shared cases; a fraction the program writes back
  // keeps its point.
  window->Write(Role::StartBox, u"1233.5");
  window->Write(Role::EndBox, u"1240");
  window->Click(Role::Compute);
  EXPECT_EQ(Shown(Role::StartBox), u"1233.5");
  EXPECT_EQ(window->Items().front(), u"1234");
}

TEST_F(WindowScenario, TabGoesRoundTheWindow) {
  // A desktop window's Tab goes round; a page's leaves it for the browser.
  const Role last = design::kFocusOrder.back();
  window->Focus(last);
  window->Press(Key::Tab);
  EXPECT_EQ(window->Focused(), design::kFirstFocus);
  window->Press(Key::Tab, true);
  EXPECT_EQ(window->Focused(), last);
}

// Every shown control at its designed rectangle, in the designed font, the
// design `scale` times as large as at the window's DPI.
void ExpectControlsWhereTheDesignPutsThem(WindowDriver& window, int scale) {
  for (const design::ControlDesign& d : design::kControls) {
    SCOPED_TRACE(NameOf(d.role));
    if (d.hidden) {
      continue;
    }
    ASSERT_TRUE(window.Shown(d.role));
    EXPECT_EQ(window.RectOf(d.role),
              (Rect{scale * window.Pixels(d.left), scale * window.Pixels(d.top),
                    scale * window.Pixels(d.width), scale * window.Pixels(d.height)}));
    const FontInfo font = window.FontOf(d.role);
    EXPECT_EQ(font.family, design::kFontFamily);
    EXPECT_EQ(font.points, scale * design::kFontPoints);
  }
}

// The designed colours over the designed rectangles, `scale` times as large.
void ExpectDesignedColours(WindowDriver& window, int scale) {
  const Capture image = window.Grab();
  const int px = scale * window.Pixels(design::kTwipsPerPixel);  // one pixel at 96 dpi
  ASSERT_GE(image.width, 461 * px);
  ASSERT_GE(image.height, 345 * px);
  EXPECT_EQ(Name(image.At(5 * px, 5 * px)), Name(design::kWindowBackground));
  EXPECT_EQ(Name(image.At(455 * px, 340 * px)), Name(design::kWindowBackground));
  for (const design::ControlDesign& d : design::kControls) {
    if (d.background == nullptr) {
      continue;
    }
    const int left = scale * window.Pixels(d.left);
    const int top = scale * window.Pixels(d.top);
    const int right = scale * window.Pixels(d.left + d.width) - 1;  // inside
    const int bottom = scale * window.Pixels(d.top + d.height) - 1;
    // Labels are filled edge to edge (the number box beside each overlaps
    // its last pixel column); buttons inside their 2-pixel border.
    const int inset = d.kind == design::Kind::Label ? 0 : 3 * px;
    const int points[][2] = {{left + inset, top + inset},
                             {left + inset, bottom - inset},
                             {right - inset - px, bottom - inset},
                             {left + inset + 1, (top + bottom) / 2}};
    for (const auto& p : points) {
      EXPECT_EQ(Name(image.At(p[0], p[1])), Name(*d.background))
          << NameOf(d.role) << " at " << p[0] << "," << p[1];
    }
    // The caption is drawn on it in black.
    bool black = false;
    for (int y = top; y <= bottom && !black; ++y) {
      for (int x = left; x < right && !black; ++x) {
        black = Name(image.At(x, y)) == Name(design::kTextOnDesignedBackground);
      }
    }
    EXPECT_TRUE(black || d.kind == design::Kind::CommandButton)
        << NameOf(d.role) << " shows no black text";
  }
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

// Each caption's text on the baseline of its box's, the design `scale`
// times as large; the boxes hold numbers.
void ExpectCaptionsOnTheirBoxesBaseline(WindowDriver& window, int scale) {
  window.Focus(Role::TaskStatement);
  const Capture image = window.Grab();
  const int px = scale * window.Pixels(design::kTwipsPerPixel);
  for (const design::CaptionOfBox& named : design::kBoxCaptions) {
    SCOPED_TRACE(NameOf(named.caption));
    // Every caption ends in a colon, whose lower dot sits on the baseline;
    // digits have no descenders.
    const Rect caption = window.RectOf(named.caption);
    const int colon = RightmostInk(image, caption);
    ASSERT_GE(colon, 0);
    const int caption_base = LowestInk(image, caption, 0, colon - 2 * px);
    const int box_base = LowestInk(image, window.RectOf(named.box), 3 * px, 0);
    ASSERT_GE(box_base, 0);
    EXPECT_LE(std::abs(caption_base - box_base), px - 1) << caption_base << " against " << box_base;
  }
}

TEST_F(WindowScenario, ControlsStandWhereTheDesignPutsThemInTheDesignedFont) {
  ExpectControlsWhereTheDesignPutsThem(*window, 1);
}

TEST_F(WindowScenario, DesignedColoursCoverTheDesignedRectangles) {
  ExpectDesignedColours(*window, 1);
}

// Ctrl with plus (as typed, on the key that has it, on the keypad) or the
// wheel turned up makes the window a step larger each time, as long as it
// fits the screen; the whole design doubles at 200 %, where it works as at
// 100 %; Ctrl with minus or the wheel turned down a step smaller, Ctrl+0 the
// designed size. The focus stays where it was.
TEST_F(WindowScenario, ZoomsByStepsWithCtrlAndPlusMinusZeroOrTheWheel) {
  const Rect designed = window->ClientArea();
  const Rect screen = window->ScreenArea();
  const Rect frame = window->FrameArea();
  const int frame_width = frame.width - designed.width;
  const int frame_height = frame.height - designed.height;
  window->Focus(Role::EndBox);
  const ZoomGesture larger[] = {ZoomGesture::CtrlPlus, ZoomGesture::CtrlKeypadPlus,
                                ZoomGesture::CtrlEquals, ZoomGesture::CtrlWheelUp};
  Rect shown = designed;
  int percent = zoom::kDesigned;
  for (std::size_t step = 1; step < zoom::kSteps.size(); ++step) {
    window->Zoom(larger[step % std::size(larger)]);
    const Rect now = window->ClientArea();
    // The next step's window, its size in proportion to the design's.
    const bool fits = designed.width * zoom::kSteps[step] / 100 + frame_width <= screen.width &&
                      designed.height * zoom::kSteps[step] / 100 + frame_height <= screen.height;
    if (!fits) {
      EXPECT_EQ(now, shown) << "grew past the screen at " << zoom::kSteps[step] << " %";
      break;
    }
    EXPECT_GT(now.width, shown.width) << zoom::kSteps[step] << " %";
    EXPECT_GT(now.height, shown.height) << zoom::kSteps[step] << " %";
    shown = now;
    percent = zoom::kSteps[step];
    if (percent == 200) {
      SCOPED_TRACE("at 200 %");
      EXPECT_EQ(now, (Rect{0, 0, 2 * designed.width, 2 * designed.height}));
      ExpectControlsWhereTheDesignPutsThem(*window, 2);
      ExpectDesignedColours(*window, 2);
      window->Click(Role::Compute);
      EXPECT_EQ(Shown(Role::CountBox), u"504");
      EXPECT_EQ(window->Items().size(), 504u);
      ExpectCaptionsOnTheirBoxesBaseline(*window, 2);
      window->Focus(Role::EndBox);
    }
  }
  const Rect frame_now = window->FrameArea();
  EXPECT_LE(frame_now.width, screen.width);
  EXPECT_LE(frame_now.height, screen.height);
  EXPECT_EQ(window->Focused(), Role::EndBox);
  if (percent == zoom::kDesigned) {
    return;  // a screen too small for any step: nothing to go back from
  }
  window->Zoom(ZoomGesture::CtrlMinus);
  EXPECT_LT(window->ClientArea().width, shown.width);
  const Rect smaller = window->ClientArea();
  window->Zoom(ZoomGesture::CtrlWheelDown);
  window->Zoom(ZoomGesture::CtrlKeypadMinus);
  EXPECT_LE(window->ClientArea().width, smaller.width);
  window->Zoom(ZoomGesture::CtrlZero);
  EXPECT_EQ(window->ClientArea(), designed);
  ExpectControlsWhereTheDesignPutsThem(*window, 1);
  // Smaller than designed it does not go.
  window->Zoom(ZoomGesture::CtrlMinus);
  EXPECT_EQ(window->ClientArea(), designed);
  EXPECT_EQ(window->Focused(), Role::EndBox);
}

TEST_F(WindowScenario, CaptionsStandOnTheBaselineOfTheirBoxesText) {
  window->Write(Role::StartBox, u"1000");
  window->Write(Role::EndBox, u"2000");
  window->Write(Role::CountBox, u"504");
  ExpectCaptionsOnTheirBoxesBaseline(*window, 1);
}

}  // namespace
}  // namespace dd::testing
