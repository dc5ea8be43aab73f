// Any two texts in the start and end boxes, then a compute: the invariants of
// what the window shows afterwards must hold.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "runtime/conversions.h"
#include "tests/support/digit_oracle.h"
#include "tests/support/memory_controls.h"
#include "window/main_form.h"

using dd::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first newline (or the middle, if there is none) separates the boxes.
  std::size_t split = size / 2;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      split = i;
      break;
    }
  }
  const std::size_t rest = split < size && data[split] == '\n' ? split + 1 : split;
  const std::u16string start = dd::fuzz::MixedTextFromBytes(data, split);
  const std::u16string end = dd::fuzz::MixedTextFromBytes(data + rest, size - rest);

  static const auto controls = dd::support::MakeMemoryControls();
  static dd::MainForm form(*controls);
  controls->Text2(0).SetText(start);
  controls->Text2(1).SetText(end);
  form.ListDistinctDigitNumbers();

  // The bounds shown read back as the bounds used, and the interval is ordered
  // and clamped the way the window promises.
  const std::u16string shown_start = controls->Text2(0).GetText();
  const std::u16string shown_end = controls->Text2(1).GetText();
  Require(dd::NumberFromText(shown_start) == form.StartValue.ToDouble());
  Require(dd::NumberFromText(shown_end) == form.EndValue.ToDouble());
  Require(form.StartValue.ToDouble() >= 1000.0);
  Require(form.EndValue.ToDouble() >= 1000.0 && form.EndValue.ToDouble() <= 9000.0);

  // The count matches the list, and the list is exactly the ascending
  // numbers of four different digits inside the bounds.
  const dd::ListBox& results = controls->List1(0);
  Require(form.FoundCount == results.ListCount());
  Require(controls->Text2(2).GetText() == dd::TextOfInt16(form.FoundCount));
  int previous = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(results.ListCount()); ++i) {
    const std::u16string_view item = results.ItemView(i);
    const int value = dd::support::ValueOfDigits(item);
    Require(value >= 1000 && dd::support::HasFourDifferentDigits(value));
    Require(dd::support::DecimalText(value) == item);
    Require(value > previous);
    Require(value >= form.StartValue.ToDouble() && value <= form.EndValue.ToDouble());
    previous = value;
  }
  // ... and none is missing.
  int expected = 0;
  for (int n = static_cast<int>(std::ceil(std::fmin(form.StartValue.ToDouble(), 9001.0)));
       n <= form.EndValue.ToDouble(); ++n) {
    expected += dd::support::HasFourDifferentDigits(n) ? 1 : 0;
  }
  Require(expected == form.FoundCount);
  return 0;
}
