#include "window/typing_limit.h"

#include <algorithm>

namespace dd {
namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
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
  Text fitted;
  const std::size_t room = kept < limit ? limit - kept : 0;
  for (const char16_t c : inserted) {
    if (fitted.size() == room) {
      break;
    }
    if (!IsLineBreak(c)) {
      fitted.push_back(c);
    }
  }
  // A high surrogate whose partner did not fit would be half a character.
  if (!fitted.empty() && IsHighSurrogate(fitted.back())) {
    fitted.pop_back();
  }
  return fitted;
}

bool IsAllowedEdit(std::u16string_view before, std::u16string_view after, std::size_t limit) {
  if (std::any_of(after.begin(), after.end(), IsLineBreak)) {
    return false;
  }
  return after.size() <= limit || IsOneStretchRemoved(before, after);
}

}  // namespace dd
