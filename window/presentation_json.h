// The window as the model presents it, written as JSON: what the web page
// builds its elements from, and what the build and the page's tests take
// from the design (the exported design). Every text is ASCII, with \u
// escapes, whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace dd::present {

// A text as a JSON string.
std::string JsonQuoted(std::u16string_view text);

// The window, each control it shows with its role, widget, id, texts, place
// at 96 dpi, colours and what Enter does, the result list's menu and the
// texts the page shows of itself.
std::string PresentationJson();

}  // namespace dd::present
