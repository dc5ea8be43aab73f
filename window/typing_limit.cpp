#include "window/typing_limit.h"

#include <algorithm>

#include "runtime/text.h"

namespace dd {
namespace {

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
  while (SplitsCharacter(whole, end)) {
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
