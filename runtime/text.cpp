#include "runtime/text.h"

namespace dd {
namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::u16string_view LastChars(std::u16string_view text, std::size_t count) {
  if (text.size() <= count) {
    // Fewer code units than characters asked for: the whole text.
    return text;
  }
  bool plain = true;  // no surrogate among the last `count` code units
  for (std::size_t i = text.size() - count; i < text.size() && plain; ++i) {
    plain = !IsLowSurrogate(text[i]);
  }
  if (plain) {
    return text.substr(text.size() - count);
  }
  std::size_t start = text.size();
  for (std::size_t taken = 0; taken < count && start > 0; ++taken) {
    --start;
    if (start > 0 && IsLowSurrogate(text[start]) && IsHighSurrogate(text[start - 1])) {
      --start;
    }
  }
  return text.substr(start);
}

std::u16string_view CharAt(std::u16string_view text, std::size_t position) {
  if (position == 0) {
    return {};
  }
  if (position <= text.size()) {
    bool plain = true;  // no surrogate up to and including the position
    for (std::size_t i = 0; i < position && plain; ++i) {
      plain = !IsHighSurrogate(text[i]);
    }
    if (plain) {
      return text.substr(position - 1, 1);
    }
  }
  std::size_t at = 0;
  for (std::size_t seen = 1; at < text.size(); ++seen) {
    const std::size_t width =
        (IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) ? 2 : 1;
    if (seen == position) {
      return text.substr(at, width);
    }
    at += width;
  }
  return {};
}

}  // namespace dd
