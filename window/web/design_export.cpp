// Prints what the page's files take from the design, as JSON: the window's
// caption, which the build writes into the page's <title> (so that the page
// has its title from its first byte, before its script runs, as a browser
// and a screen reader announce it on opening), the colours of the published
// app's manifest and icon; and for the site (make site), the home page it is
// published at, the publisher's contact and the task statement, which it
// quotes.
#include <cstdio>
#include <string>

#include "window/form_design.h"
#include "window/publisher.h"
#include "window/web/json.h"

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
  const std::string out = "{\"title\": " + web::JsonQuoted(design::kCaption) +
                          ", \"background\": " + Hex(design::kWindowBackground) +
                          ", \"theme\": " + Hex(*design::Of(design::Role::Title).background) +
                          ", \"home\": \"" DD_HOME_URL "\", \"contact\": " +
                          (DD_CONTACT_GIVEN ? "\"" DD_CONTACT "\"" : "null") +
                          ", \"task\": " + web::JsonQuoted(design::kTaskStatement) + "}\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}
