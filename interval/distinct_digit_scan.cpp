// Lists the numbers of the interval whose four digits are all different.
//
// The digit test does no arithmetic: the candidate's four digit characters go
// into the hidden sorted list List1(1), where equal digits end up next to each
// other, and then each item is compared with the one after it.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "runtime/conversions.h"
#include "runtime/counting_loop.h"
#include "runtime/text.h"
#include "window/main_form.h"

namespace dd {
namespace {

// Whole bounds are kept as they are; a fractional start moves up to the next
// whole number, so that only whole numbers are ever candidates.
NumericValue FirstWholeCandidate(const NumericValue& start) {
  if (start.kind() == NumericValue::Kind::Int16) {
    return start;
  }
  return NumericValue::FromDouble(std::ceil(start.ToDouble()));
}

}  // namespace

void MainForm::ListDistinctDigitNumbers() {
  NormalizeInterval();
  List1(0).Clear();
  List1(1).Clear();
  FoundCount = 0;

  for (CountingLoop candidate(FirstWholeCandidate(StartValue), EndValue); candidate.Running();
       candidate.Advance()) {
    // The signed text of 1000..9000 is a blank and four digits.
    const Text candidate_text = SignedTextOfValue(candidate.Value());
    const std::u16string_view DigitText = LastChars(candidate_text, 4);
    bool HasRepeatedDigit = false;

    List1(1).Clear();
    for (std::int16_t position = 1; position <= 4; position = CheckedIncrement(position)) {
      List1(1).AddItem(CharAt(DigitText, static_cast<std::size_t>(position)));
    }
    // All three neighbouring pairs are compared, without stopping early.
    for (std::int16_t pair = 0; pair <= 2; pair = CheckedIncrement(pair)) {
      if (List1(1).List(CheckedIncrement(pair)) == List1(1).List(pair)) {
        HasRepeatedDigit = true;
      }
    }

    if (!HasRepeatedDigit) {
      List1(0).AddItem(DigitText);
      FoundCount = CheckedIncrement(FoundCount);
    }
  }

  Text2(2).SetText(TextOfInt16(FoundCount));
}

}  // namespace dd
