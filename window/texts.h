// Every text the window shows or says besides its design (captions, task
// statement): the error report, the start-up failure, the result list's
// menu and what a screen reader is told. Standard C++ only, the same for
// every window.
#pragma once

#include <array>
#include <string_view>

#include "window/controls.h"

namespace dd::texts {

// The title of the message that reports a command that could not finish.
inline constexpr std::u16string_view kErrorTitle = u"Грешка";
// The message itself: a line of its own, then what went wrong.
Text ErrorMessage(std::u16string_view detail);
// The button that closes the message, where the platform has none of its
// own (the web page).
inline constexpr std::u16string_view kErrorDismiss = u"OK";
// Shown when the window cannot be made at all.
inline constexpr std::u16string_view kStartupFailure =
    u"Прозорецът на програмата не можа да се отвори.";

// The result list's context menu. `text` marks its access key with '&';
// `key` is the letter pressed with Ctrl for the same command.
enum class ListCommand { Copy, SelectAll };
struct MenuItem {
  ListCommand command;
  std::u16string_view text;
  char16_t key;
};
inline constexpr std::array<MenuItem, 2> kResultsMenu{{
    {ListCommand::Copy, u"&Копиране", u'C'},
    {ListCommand::SelectAll, u"Избиране на &всичко", u'A'},
}};

// After a compute that listed `count` numbers from `start` to `end` (the
// bounds as the boxes show them).
Text ComputedAnnouncement(std::u16string_view start, std::u16string_view end, int count);
// After a clear.
Text ClearedAnnouncement();
// What a screen reader says of the result list while it holds no number.
inline constexpr std::u16string_view kEmptyResults = u"Списъкът е празен.";

}  // namespace dd::texts
