#include "runtime/text.h"

namespace dd {
namespace {

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

}  // namespace

bool SplitsCharacter(std::u16string_view text, std::size_t at) {
  return at > 0 && at < text.size() && (IsLowSurrogate(text[at]) || ExtendsPrevious(text, at));
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (byte < 0x80) {
      length = 1;
      code = byte;
    } else if (byte >= 0xC2 && byte <= 0xDF) {
      length = 2;
      code = byte & 0x1F;
      least = 0x80;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
      length = 3;
      code = byte & 0x0F;
      least = 0x800;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
      length = 4;
      code = byte & 0x07;
      least = 0x10000;
    }
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    valid = valid && code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (!valid) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return out;
}

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
