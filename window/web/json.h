// JSON for the small programs the web build runs on this machine (the
// page's facts, the design for the page's tests): standard C++ only.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace dd::web {

// A JSON string: every character but printable ASCII as a \u escape, so
// that the text is ASCII whatever the locale.
inline std::string JsonQuoted(std::u16string_view text) {
  std::string out = "\"";
  for (const char16_t c : text) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
    out += c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\' ? std::string(1, static_cast<char>(c))
                                                            : std::string(escaped);
  }
  return out + "\"";
}

}  // namespace dd::web
