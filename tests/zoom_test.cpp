#include "window/zoom.h"

#include <gtest/gtest.h>

#include <vector>

namespace dd {
namespace {

using zoom::Command;

// From a zoom, with the screen taking up to `largest`, each command.
struct Step {
  int from;
  Command command;
  int largest;
  int to;
};

TEST(Zoom, StepsGoInOutAndBackWithinTheScreen) {
  const std::vector<Step> steps = {
      {100, Command::In, 300, 125},    {125, Command::In, 300, 150},
      {175, Command::In, 300, 200},    {200, Command::In, 300, 250},
      {250, Command::In, 300, 300},    {300, Command::In, 300, 300},  // the largest step
      {150, Command::In, 150, 150},                                   // the screen's limit
      {100, Command::In, 100, 100},    {300, Command::Out, 300, 250},
      {125, Command::Out, 300, 100},   {100, Command::Out, 300, 100},  // never below the design
      {250, Command::Reset, 300, 100}, {100, Command::Reset, 100, 100},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(zoom::After(s.command, s.from, s.largest), s.to)
        << s.from << " % by " << static_cast<int>(s.command) << " within " << s.largest;
  }
}

TEST(Zoom, KeysAsBrowsersTakeThem) {
  EXPECT_EQ(zoom::CommandOfKey(u'+'), Command::In);
  EXPECT_EQ(zoom::CommandOfKey(u'='), Command::In);
  EXPECT_EQ(zoom::CommandOfKey(u'-'), Command::Out);
  EXPECT_EQ(zoom::CommandOfKey(u'0'), Command::Reset);
  EXPECT_EQ(zoom::CommandOfKey(u'1'), std::nullopt);
  EXPECT_EQ(zoom::CommandOfKey(u'a'), std::nullopt);
}

TEST(Zoom, TheWheelTakesAStepANotchHoweverFinelyItIsTurned) {
  zoom::Wheel wheel;
  EXPECT_EQ(wheel.Turn(120), Command::In);
  EXPECT_EQ(wheel.Turn(-120), Command::Out);
  // A touchpad's small turns add up to a notch.
  EXPECT_EQ(wheel.Turn(40), std::nullopt);
  EXPECT_EQ(wheel.Turn(40), std::nullopt);
  EXPECT_EQ(wheel.Turn(40), Command::In);
  // Turned back half way: what was turned the other way counts no more.
  EXPECT_EQ(wheel.Turn(60), std::nullopt);
  EXPECT_EQ(wheel.Turn(-60), std::nullopt);
  EXPECT_EQ(wheel.Turn(-60), Command::Out);
  EXPECT_EQ(wheel.Turn(0), std::nullopt);
}

TEST(Zoom, TheLayoutIsTheDesignAtAHigherDpi) {
  EXPECT_EQ(zoom::LayoutDpi(96, 100), 96);
  EXPECT_EQ(zoom::LayoutDpi(96, 200), 192);
  EXPECT_EQ(zoom::LayoutDpi(96, 125), 120);
  EXPECT_EQ(zoom::LayoutDpi(144, 175), 252);
  // 461 by 345 pixels at 96 dpi, twice that at 200 %; rounded as MulDiv.
  EXPECT_EQ(zoom::Pixels(6915, 96), 461);
  EXPECT_EQ(zoom::Pixels(6915, 192), 922);
  EXPECT_EQ(zoom::Pixels(6915, 240), 1153);  // 1152.5
  EXPECT_EQ(zoom::Pixels(375, 120), 31);     // 31.25
  EXPECT_EQ(zoom::Pixels(-120, 120), -10);
  EXPECT_EQ(zoom::Pixels(-150, 120), -13);  // -12.5, away from zero
}

TEST(Zoom, TheLargestStepIsTheLargestWholeWindowOnTheScreen) {
  // 1280 by 1024 without a frame: 250 % is 1153 by 863.
  EXPECT_EQ(zoom::LargestFitting(1280, 1024, 0, 0, 96), 250);
  // A frame of 6 by 25 pixels, and a 1920 by 1040 work area: 300 % is 1383 by 1035.
  EXPECT_EQ(zoom::LargestFitting(1920, 1040, 6, 25, 96), 250);
  EXPECT_EQ(zoom::LargestFitting(1920, 1080, 6, 25, 96), 300);
  // At 192 dpi the design is 922 by 690: on 1280 by 1024, 125 % is the most.
  EXPECT_EQ(zoom::LargestFitting(1280, 1024, 0, 0, 192), 125);
  // A screen smaller than the design keeps it.
  EXPECT_EQ(zoom::LargestFitting(400, 300, 0, 0, 96), 100);
}

TEST(Zoom, ThePageGrowsOnlyInAViewTwiceTheDesignOrThriceByTouch) {
  // Below twice 461 by 345 in either direction: the designed size.
  EXPECT_EQ(zoom::ViewScale(800, 600, 8, false), 1000);
  EXPECT_EQ(zoom::ViewScale(921, 2000, 8, false), 1000);
  EXPECT_EQ(zoom::ViewScale(2000, 689, 8, false), 1000);
  // From there the binding side, less the margins: a 1920 by 1080 screen
  // is bound by its height, (1080 - 16) / 345.
  EXPECT_EQ(zoom::ViewScale(1920, 1080, 8, false), 3084);
  EXPECT_EQ(zoom::ViewScale(922, 690, 8, false), 1953);  // down: (690 - 16) / 345
  // By touch, a tablet held across keeps its column; a classroom's panel fills.
  EXPECT_EQ(zoom::ViewScale(1376, 1032, 8, true), 1000);
  EXPECT_EQ(zoom::ViewScale(1920, 1080, 8, true), 3084);
}

}  // namespace
}  // namespace dd
