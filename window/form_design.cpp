#include "window/form_design.h"

namespace dd::design {

std::string ObjectName(Role role) {
  const ControlDesign& d = Of(role);
  return std::string(d.array) + "(" + std::to_string(d.index) + ")";
}

std::u16string MarkedCaption(Role role) {
  std::u16string caption(Of(role).text);
  for (const AccessKey& key : kAccessKeys) {
    if (key.role == role) {
      caption.insert(key.position, 1, u'&');
    }
  }
  return caption;
}

}  // namespace dd::design
