#include "window/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace dd {
namespace {

constexpr std::string_view kProgram = "distinct-digits";

constexpr std::string_view kHelp =
    "Употреба: distinct-digits [--help | --version]\n"
    "Отваря прозорец, в който се въвеждат две четирицифрени естествени числа.\n"
    "Програмата изброява числата от интервала между тях (в границите от 1000\n"
    "до 9000), които имат четири различни цифри, и показва колко са те.\n"
    "\n"
    "  --help     показва тази помощ и излиза\n"
    "  --version  показва името и версията на програмата и излиза\n"
    "\n"
    "Стандартните опции на Qt (например -platform, -display, -style) се\n"
    "предават на Qt.\n";

// Qt's standard options, which Qt takes with one dash or two: those whose
// value is the next argument (the last six are the X11 platform's), those
// that stand alone, and those that carry their value after "=".
constexpr std::array<std::string_view, 16> kToolkitOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name",
    "visual"};
constexpr std::array<std::string_view, 5> kToolkitFlags = {"reverse", "widgetcount", "nograb",
                                                           "dograb", "testability"};
constexpr std::array<std::string_view, 3> kToolkitOptionsWithEquals = {
    "style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

template <std::size_t N>
bool StartsWithOneOf(std::string_view name, const std::array<std::string_view, N>& prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [name](std::string_view prefix) { return name.starts_with(prefix); });
}

CommandLineAnswer Refuse(std::string_view what, std::string_view argument,
                         std::string_view after = {}) {
  std::string line(kProgram);
  line.append(": ").append(what).append(" „").append(argument).append("“").append(after);
  line.append("; вижте distinct-digits --help\n");
  return {2, {}, std::move(line)};
}

// Whether the chosen platform needs an X11 display: when none is chosen (the
// toolkit's default is X11) and when it is X11 alone. Any other platform,
// Wayland included, finds its display by itself or needs none (offscreen,
// framebuffer, VNC); if it fails, the toolkit says so.
bool NeedsX11Display(std::string_view platform) {
  while (!platform.empty()) {
    const std::size_t end = std::min(platform.find(';'), platform.size());
    const std::string_view entry = platform.substr(0, end);
    if (entry.substr(0, entry.find(':')) != "xcb") {
      return false;
    }
    platform.remove_prefix(std::min(end + 1, platform.size()));
  }
  return true;
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view{} : std::string_view{value};
}

}  // namespace

DisplayEnvironment DisplayEnvironment::OfProcess() {
  return {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

std::string_view NoDisplayMessage() {
  return "distinct-digits: прозорецът не може да се отвори: няма достъп до графичен дисплей "
         "(X11 или Wayland)";
}

CommandLineAnswer ReadCommandLine(std::span<const char* const> arguments,
                                  const DisplayEnvironment& environment) {
  std::string_view platform = environment.qpa_platform;
  bool display_named = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help") {
      return {0, std::string(kHelp), {}};
    }
    if (argument == "--version") {
      return {0, std::string(kProgram) + " " + DD_VERSION + "\n", {}};
    }
    if (argument.size() < 2 || argument[0] != '-') {
      return Refuse("излишен аргумент", argument);
    }
    const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    if (IsOneOf(name, kToolkitFlags) || StartsWithOneOf(name, kToolkitOptionsWithEquals)) {
      continue;
    }
    if (!IsOneOf(name, kToolkitOptionsWithValue)) {
      return Refuse("непозната опция", argument);
    }
    if (i + 1 == arguments.size()) {
      return Refuse("опцията", argument, " иска стойност");
    }
    const std::string_view value = arguments[++i];
    if (name == "platform") {
      platform = value;
    } else if (name == "display") {
      display_named = true;
    }
  }
  const bool has_display =
      !environment.display.empty() || !environment.wayland_display.empty() || display_named;
  if (NeedsX11Display(platform) && !has_display) {
    return {1, {}, std::string(NoDisplayMessage()) + "\n"};
  }
  return {};
}

std::optional<int> AnswerCommandLine(int argc, const char* const* argv) {
  const std::span<const char* const> arguments(argv + std::min(argc, 1),
                                               static_cast<std::size_t>(std::max(argc - 1, 0)));
  const CommandLineAnswer answer = ReadCommandLine(arguments, DisplayEnvironment::OfProcess());
  std::fputs(answer.standard_output.c_str(), stdout);
  std::fputs(answer.standard_error.c_str(), stderr);
  std::fflush(stdout);
  return answer.exit_status;
}

}  // namespace dd
