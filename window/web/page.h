// The program's one way into the page (window/web/script/page.js): a call
// of one of the page's methods by its name, with a control's role name, a
// text and a number as that method takes them. The page builds the window
// once from the program's description of it ("build"); every other call is
// for what changes while the program runs.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "window/controls.h"
#include "window/form_design.h"

namespace dd::web::page {

// The page's method `method` for the control of `role` (if it concerns
// one), with `text` and `number`; what it returns, or 0.
int Call(std::u16string_view method, std::optional<design::Role> role = std::nullopt,
         std::u16string_view text = {}, int number = 0);
// A method that leaves a text in the exchange buffer and returns its length
// ("getText"), and the text.
Text Read(std::u16string_view method, design::Role role);

// Where the page leaves texts for the program: at least `units` long.
char16_t* Exchange(std::size_t units);

}  // namespace dd::web::page
