#include "window/typing_limit.h"

#include <algorithm>

namespace dd {
namespace {

bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether the regional indicator (a flag's letter) starts at `i`.
bool IsRegionalIndicator(std::u16string_view text, std::size_t i) {
  return i + 1 < text.size() && text[i] == 0xD83C && text[i + 1] >= 0xDDE6 && text[i + 1] <= 0xDDFF;
}

// Whether the code point at `i` shows as part of the one before it: a
// combining accent, a variation selector, a joiner or what a joiner glues
// on, a skin-tone modifier, the second letter of a flag.
bool ExtendsPrevious(std::u16string_view text, std::size_t i) {
  const char16_t c = text[i];
  if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
      (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
      (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) || c == 0x200C || c == 0x200D) {
    return true;
  }
  if (i > 0 && text[i - 1] == 0x200D) {
    return true;
  }
  if (c == 0xD83C && i + 1 < text.size() && text[i + 1] >= 0xDFFB && text[i + 1] <= 0xDFFF) {
    return true;
  }
  if (!IsRegionalIndicator(text, i)) {
    return false;
  }
  std::size_t letters_before = 0;
  for (std::size_t j = i; j >= 2 && IsRegionalIndicator(text, j - 2); j -= 2) {
    ++letters_before;
  }
  return letters_before % 2 == 1;
}

// True when `shorter` is `longer` with one stretch (possibly empty) removed.
bool IsOneStretchRemoved(std::u16string_view longer, std::u16string_view shorter) {
  if (shorter.size() > longer.size()) {
    return false;
  }
  const std::size_t prefix =
      std::mismatch(shorter.begin(), shorter.end(), longer.begin()).first - shorter.begin();
  const std::size_t suffix =
      std::mismatch(shorter.rbegin(), shorter.rend(), longer.rbegin()).first - shorter.rbegin();
  return prefix + suffix >= shorter.size();
}

}  // namespace

bool IsLineBreak(char16_t c) {
  return (c >= u'\n' && c <= u'\r') || c == u'\u0085' || c == u'\u2028' || c == u'\u2029';
}

Text FitInsertion(std::u16string_view inserted, std::size_t kept, std::size_t limit) {
  Text whole(inserted);
  std::erase_if(whole, IsLineBreak);
  const std::size_t room = kept < limit ? limit - kept : 0;
  std::size_t end = std::min(room, whole.size());
  // Back off to where one character on screen ends: never half a surrogate
  // pair, an accent without its letter, or half a flag.
  while (end > 0 && end < whole.size() &&
         (IsLowSurrogate(whole[end]) || ExtendsPrevious(whole, end))) {
    --end;
  }
  whole.resize(end);
  return whole;
}

bool IsAllowedEdit(std::u16string_view before, std::u16string_view after, std::size_t limit) {
  if (std::any_of(after.begin(), after.end(), IsLineBreak)) {
    return false;
  }
  return after.size() <= limit || IsOneStretchRemoved(before, after);
}

}  // namespace dd
