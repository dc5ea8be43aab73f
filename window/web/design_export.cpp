// Prints the design as the build and the page's tests take it, as JSON: the
// window as the model presents it (what the page builds itself from), and
// beside it what the page's files and the site take from the design: the
// caption, which the build writes into the page's <title> (so that the page
// has its title from its first byte, before its script runs, as a browser
// and a screen reader announce it on opening), the colours of the published
// app's manifest and icon, the home page it is published at, the
// publisher's contact (null where none was given) and the task statement.
#include <cstdio>
#include <string>

#include "window/form_design.h"
#include "window/presentation.h"
#include "window/presentation_json.h"
#include "window/publisher.h"

namespace {

using namespace dd;

std::string Hex(const design::Rgb& c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", static_cast<unsigned>(c.red),
                static_cast<unsigned>(c.green), static_cast<unsigned>(c.blue));
  return "\"" + std::string(hex) + "\"";
}

}  // namespace

int main() {
  const present::Window& window = present::TheWindow();
  const std::string out = "{\"title\": " + present::JsonQuoted(window.caption) +
                          ",\n \"background\": " + Hex(window.background) +
                          ",\n \"theme\": " + Hex(*present::Of(design::Role::Title).background) +
                          ",\n \"home\": \"" DD_HOME_URL "\",\n \"contact\": " +
                          (DD_CONTACT_GIVEN ? "\"" DD_CONTACT "\"" : "null") +
                          ",\n \"task\": " + present::JsonQuoted(design::kTaskStatement) +
                          ",\n \"design\": " + present::PresentationJson() + "}\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}
