// How large the window is shown. The desktop windows zoom as browsers and
// office programs do: Ctrl with plus or the mouse wheel up one step larger,
// Ctrl with minus or the wheel down one step smaller, Ctrl+0 back to the
// designed size; the whole design scales as at a higher DPI. Nothing is kept:
// every start is at 100 %. The web page instead grows to fill a view of at
// least twice the design's size (a projector, a browser in full screen).
#pragma once

#include <array>
#include <optional>

#include "window/form_design.h"

namespace dd::zoom {

// The steps, in per cent of the designed size.
inline constexpr std::array<int, 7> kSteps{{100, 125, 150, 175, 200, 250, 300}};
inline constexpr int kDesigned = kSteps.front();

enum class Command { In, Out, Reset };

// What Ctrl with a key does, by the character on the key (the main
// keyboard's or the keypad's): '+' or '=' (the key that has '+' on it, as
// browsers take it) zooms in, '-' out, '0' back to the designed size.
constexpr std::optional<Command> CommandOfKey(char16_t key) {
  switch (key) {
    case u'+':
    case u'=':
      return Command::In;
    case u'-':
      return Command::Out;
    case u'0':
      return Command::Reset;
    default:
      return std::nullopt;
  }
}

// Ctrl with the mouse wheel: a step in for each notch turned up, out for
// each turned down (a notch is 120, as Windows and Qt count it), however
// finely a touchpad reports the turn.
class Wheel {
 public:
  std::optional<Command> Turn(int delta) {
    if ((delta > 0) != (turned_ > 0)) {
      turned_ = 0;  // turned back: start again
    }
    turned_ += delta;
    std::optional<Command> command;
    if (turned_ >= kNotch) {
      command = Command::In;
    } else if (turned_ <= -kNotch) {
      command = Command::Out;
    }
    if (command) {
      turned_ = 0;
    }
    return command;
  }

 private:
  static constexpr int kNotch = 120;
  int turned_ = 0;
};

// The zoom after `command` from `percent`, at most `largest` (the largest
// step that fits the screen, LargestFitting).
constexpr int After(Command command, int percent, int largest) {
  switch (command) {
    case Command::In:
      for (const int step : kSteps) {
        if (step > percent && step <= largest) {
          return step;
        }
      }
      return percent;
    case Command::Out:
      for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
        if (*step < percent) {
          return *step;
        }
      }
      return percent;
    case Command::Reset:
      break;
  }
  return kDesigned;
}

// The dots per inch the design is laid out at: the screen's, zoomed.
constexpr int LayoutDpi(int dpi, int percent) {
  return dpi * percent / 100;
}

// Twips in pixels at `dpi`, rounded to the nearest pixel (half away from
// zero), as Windows' MulDiv rounds.
constexpr int Pixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = 1440 / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / 1440 : -((-scaled + half) / 1440));
}

// The largest step at which the window, its client area the design's at
// `dpi` zoomed and its frame adding `frame_width` by `frame_height` pixels,
// fits a screen area of `width` by `height` pixels; the designed size even
// where that does not fit.
constexpr int LargestFitting(int width, int height, int frame_width, int frame_height, int dpi) {
  int largest = kDesigned;
  for (const int step : kSteps) {
    const int layout = LayoutDpi(dpi, step);
    if (Pixels(design::kClientWidth, layout) + frame_width <= width &&
        Pixels(design::kClientHeight, layout) + frame_height <= height) {
      largest = step;
    }
  }
  return largest;
}

// How many times the design's size a view must be for the page to fill it:
// twice with a mouse (a projector, a browser in full screen); three times on
// a touch screen, whose phones and tablets take the window in a column of
// their own, and only a classroom's touch panel is that large.
inline constexpr int kFillFrom = 2;
inline constexpr int kTouchFillFrom = 3;

// The web page's scale, in thousandths, in a view of `width` by `height` CSS
// pixels (as at the browser's own zoom of 100 %) with `margin` pixels around
// the window: the designed size below the size to fill from, and from there
// as large as the view takes, keeping the design's proportions.
constexpr int ViewScale(int width, int height, int margin, bool touch) {
  const int designed_width = design::Pixels(design::kClientWidth);
  const int designed_height = design::Pixels(design::kClientHeight);
  const int from = touch ? kTouchFillFrom : kFillFrom;
  if (width < from * designed_width || height < from * designed_height) {
    return 1000;
  }
  const long long across = 1000LL * (width - 2 * margin) / designed_width;
  const long long down = 1000LL * (height - 2 * margin) / designed_height;
  return static_cast<int>(across < down ? across : down);
}

}  // namespace dd::zoom
