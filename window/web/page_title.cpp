// Prints the window's caption in UTF-8, which the build writes into the
// page's <title>: the page has its title from the first byte, before its
// script runs, as a browser and a screen reader announce it on opening.
#include <cstdio>
#include <string>

#include "window/form_design.h"

constexpr bool InTwoBytes(std::u16string_view text) {
  for (const char16_t c : text) {
    if (c >= 0x800) {
      return false;
    }
  }
  return true;
}
static_assert(InTwoBytes(dd::design::kCaption), "the caption needs a wider UTF-8 encoder");

int main() {
  std::string out;
  for (const char16_t c : dd::design::kCaption) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  std::fputs(out.c_str(), stdout);
  return 0;
}
