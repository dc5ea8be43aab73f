// The program's command line, read before the toolkit starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "window/command_line.h"

namespace dd {
namespace {

DisplayEnvironment X11(std::string_view display) {
  return {display, {}, {}};
}
DisplayEnvironment Wayland(std::string_view display) {
  return {{}, display, {}};
}
DisplayEnvironment Platform(std::string_view platform) {
  return {{}, {}, platform};
}
constexpr DisplayEnvironment kNoDisplay{{}, {}, {}};

using Arguments = std::vector<const char*>;

CommandLineAnswer Read(const Arguments& arguments,
                       const DisplayEnvironment& environment = X11(":0")) {
  return ReadCommandLine(arguments, environment);
}

bool IsOneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  const CommandLineAnswer help = Read({"--help"}, kNoDisplay);
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_TRUE(help.standard_output.starts_with("Употреба: distinct-digits"));
  EXPECT_NE(help.standard_output.find("  --help "), std::string::npos);
  EXPECT_NE(help.standard_output.find("  --version "), std::string::npos);
  EXPECT_EQ(help.standard_error, "");

  const CommandLineAnswer version = Read({"--version"}, kNoDisplay);
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.standard_output, "distinct-digits 1.00\n");
  EXPECT_EQ(version.standard_error, "");

  // Read in order: the first that decides answers.
  EXPECT_EQ(Read({"-style", "Fusion", "--version"}, kNoDisplay).standard_output,
            version.standard_output);
  EXPECT_EQ(Read({"--help", "--bogus"}, kNoDisplay).exit_status, 0);
  EXPECT_EQ(Read({"--bogus", "--help"}, kNoDisplay).exit_status, 2);
}

TEST(CommandLine, WhatItDoesNotKnowEndsWithStatusTwoInOneLineNamingIt) {
  const std::vector<Arguments> refused = {
      {"--bogus"}, {"-x"},          {"-help"},     {"--"},
      {"-"},       {"numbers.txt"}, {"-platform"}, {"-reverse", "--sync"},
      {"-style"}};
  for (const auto& arguments : refused) {
    const CommandLineAnswer answer = Read(arguments);
    const std::string named = std::string("„") + arguments.back() + "“";
    SCOPED_TRACE(named);
    EXPECT_EQ(answer.exit_status, 2);
    EXPECT_EQ(answer.standard_output, "");
    EXPECT_TRUE(IsOneLine(answer.standard_error)) << answer.standard_error;
    EXPECT_TRUE(answer.standard_error.starts_with("distinct-digits: "));
    EXPECT_NE(answer.standard_error.find(named), std::string::npos) << answer.standard_error;
  }
  EXPECT_NE(Read({"--bogus"}).standard_error.find("непозната опция"), std::string::npos);
  EXPECT_NE(Read({"-platform"}).standard_error.find("иска стойност"), std::string::npos);
}

TEST(CommandLine, QtStandardOptionsAreLetThroughToQt) {
  const std::vector<Arguments> accepted = {
      {},
      {"-style", "Fusion"},
      {"--style=Fusion"},
      {"-reverse", "-widgetcount"},
      {"-qwindowgeometry", "500x400+0+0", "-qwindowtitle", "--help"},
      {"-platform", "xcb", "-display", ":1", "-name", "dd"},
      {"-qmljsdebugger=port:1234"}};
  for (const auto& arguments : accepted) {
    const CommandLineAnswer answer = Read(arguments);
    EXPECT_EQ(answer.exit_status, std::nullopt);
    EXPECT_EQ(answer.standard_output + answer.standard_error, "");
  }
}

TEST(CommandLine, WithoutADisplayOneLineAndStatusOne) {
  const CommandLineAnswer none = Read({}, kNoDisplay);
  EXPECT_EQ(none.exit_status, 1);
  EXPECT_EQ(none.standard_output, "");
  EXPECT_EQ(none.standard_error, std::string(NoDisplayMessage()) + "\n");
  EXPECT_TRUE(IsOneLine(none.standard_error));

  // X11 chosen, by the environment or on the command line, with no display.
  EXPECT_EQ(Read({}, Platform("xcb")).exit_status, 1);
  EXPECT_EQ(Read({"-platform", "xcb"}, kNoDisplay).exit_status, 1);
  EXPECT_EQ(Read({"-platform", "xcb"}, Platform("offscreen")).exit_status, 1);

  // An X11 or Wayland display, or a platform that needs none or finds its own.
  const std::vector<std::pair<Arguments, DisplayEnvironment>> shown = {
      {{}, X11(":0")},
      {{}, Wayland("wayland-0")},
      {{"-display", ":0"}, kNoDisplay},
      {{}, Platform("offscreen")},
      {{}, Platform("wayland")},
      {{}, Platform("xcb;offscreen")},
      {{"-platform", "minimal:enable_fonts"}, kNoDisplay},
      {{"-platform", "offscreen"}, Platform("xcb")}};
  for (const auto& [arguments, environment] : shown) {
    EXPECT_EQ(Read(arguments, environment).exit_status, std::nullopt)
        << "DISPLAY=" << environment.display << " QT_QPA_PLATFORM=" << environment.qpa_platform;
  }
}

}  // namespace
}  // namespace dd
