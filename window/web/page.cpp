#include "window/web/page.h"

#include <emscripten.h>

#include <string>

#include "runtime/text.h"

// Texts cross as UTF-16 code units in the module's memory, with their length.
// clang-format off
EM_JS(int, dd_page_call, (const char16_t* method, int method_length, const char16_t* role,
                          int role_length, const char16_t* text, int text_length, int number), {
  return ddPage.call(ddPage.text(method, method_length), ddPage.text(role, role_length),
                     ddPage.text(text, text_length), number);
});
// clang-format on

namespace dd::web::page {

int Call(std::u16string_view method, std::optional<design::Role> role, std::u16string_view text,
         int number) {
  const std::u16string name = role ? FromAscii(design::RoleName(*role)) : std::u16string();
  return dd_page_call(method.data(), static_cast<int>(method.size()), name.data(),
                      static_cast<int>(name.size()), text.data(), static_cast<int>(text.size()),
                      number);
}

Text Read(std::u16string_view method, design::Role role) {
  const int length = Call(method, role);
  return Text(Exchange(static_cast<std::size_t>(length)), static_cast<std::size_t>(length));
}

char16_t* Exchange(std::size_t units) {
  static std::u16string buffer;
  if (buffer.size() < units) {
    buffer.resize(units);
  }
  return buffer.data();
}

}  // namespace dd::web::page
