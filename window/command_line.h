// The Linux program's command line, read before the toolkit starts: --help
// and --version answer without a display, an argument the program does not
// know ends it with status 2, and a missing display is said in one line with
// status 1 instead of the toolkit's abort. The toolkit's own standard options
// (-platform, -display, -style, ...) are let through to it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dd {

// The variables that say where the window can be shown.
struct DisplayEnvironment {
  std::string_view display;          // DISPLAY: an X11 display
  std::string_view wayland_display;  // WAYLAND_DISPLAY: a Wayland compositor
  std::string_view qpa_platform;     // QT_QPA_PLATFORM: the toolkit's platform, if chosen

  // The values of this process's environment (unset is empty).
  static DisplayEnvironment OfProcess();
};

// What the command line asks for: the window, or an exit with a status after
// printing the texts.
struct CommandLineAnswer {
  std::optional<int> exit_status;  // empty: go on and open the window
  std::string standard_output;
  std::string standard_error;
};

// Reads the arguments after the program's name.
CommandLineAnswer ReadCommandLine(std::span<const char* const> arguments,
                                  const DisplayEnvironment& environment);

// The line said when the window cannot be shown for want of a display, also
// when the toolkit finds the named display unreachable.
std::string_view NoDisplayMessage();

// ReadCommandLine on the process's own arguments and environment; prints the
// texts. Returns the exit status when the program is to end without a window.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv);

}  // namespace dd
