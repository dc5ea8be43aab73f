// Writes the window's design as JSON for the web page's tests, which check
// the page against it: each control's role, element id, kind, rectangle in
// pixels, background and name for screen readers; the window's size and
// colours; the focus order.
#include <cstdio>
#include <string>

#include "tests/support/role_names.h"
#include "window/form_design.h"
#include "window/web/json.h"

namespace {

using namespace dd;

std::string Quoted(std::u16string_view text) {
  return web::JsonQuoted(text);
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string Colour(const design::Rgb& c) {
  return "[" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
         std::to_string(c.blue) + "]";
}

constexpr const char* kKinds[] = {"Label", "ListBox", "TextBox", "CommandButton"};

}  // namespace

int main() {
  std::string out = "{\"client\": [" + std::to_string(design::Pixels(design::kClientWidth)) + ", " +
                    std::to_string(design::Pixels(design::kClientHeight)) + "],\n";
  out += " \"caption\": " + Quoted(design::kCaption) + ",\n";
  out += " \"background\": " + Colour(design::kWindowBackground) + ",\n";
  out += " \"text_on_background\": " + Colour(design::kTextOnDesignedBackground) + ",\n";
  out += " \"controls\": [\n";
  for (const design::ControlDesign& d : design::kControls) {
    out += "  {\"role\": " + Quoted(support::RoleName(d.role)) +
           ", \"id\": " + Quoted(design::ObjectName(d.role)) +
           ", \"kind\": " + Quoted(kKinds[static_cast<int>(d.kind)]) + ", \"rect\": [" +
           std::to_string(design::Pixels(d.left)) + ", " + std::to_string(design::Pixels(d.top)) +
           ", " + std::to_string(design::Pixels(d.width)) + ", " +
           std::to_string(design::Pixels(d.height)) +
           "], \"background\": " + (d.background != nullptr ? Colour(*d.background) : "null") +
           ", \"hidden\": " + (d.hidden ? "true" : "false") +
           ", \"caption\": " + (design::IsCaption(d.role) ? "true" : "false") +
           ", \"name\": " + Quoted(design::AccessibleName(d.role)) + "}" +
           (d.role == design::kControls.back().role ? "\n" : ",\n");
  }
  out += " ],\n \"focus_order\": [";
  for (const design::Role role : design::kFocusOrder) {
    out += Quoted(support::RoleName(role)) + (role == design::kFocusOrder.back() ? "]}\n" : ", ");
  }
  std::fputs(out.c_str(), stdout);
  return 0;
}
