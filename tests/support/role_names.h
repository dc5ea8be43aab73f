// The design's roles by the names the shared window cases
// (tests/window_cases.txt) and the exported design give them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "window/form_design.h"

namespace dd::support {

inline constexpr std::array<std::string_view, design::kRoleCount> kRoleNames{
    "Title",      "Results", "StartCaption", "StartBox", "Compute", "Digits",
    "EndCaption", "EndBox",  "CountCaption", "CountBox", "Clear",   "TaskStatement"};

constexpr std::string_view RoleName(design::Role role) {
  return kRoleNames[static_cast<std::size_t>(role)];
}

constexpr std::optional<design::Role> RoleNamed(std::string_view name) {
  for (std::size_t i = 0; i < kRoleNames.size(); ++i) {
    if (kRoleNames[i] == name) {
      return static_cast<design::Role>(i);
    }
  }
  return std::nullopt;
}

}  // namespace dd::support
