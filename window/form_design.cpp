#include "window/form_design.h"

namespace dd::design {

std::string ObjectName(Role role) {
  const ControlDesign& d = Of(role);
  return std::string(d.array) + "(" + std::to_string(d.index) + ")";
}

}  // namespace dd::design
