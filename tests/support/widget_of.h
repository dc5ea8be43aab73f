// Finds the widget that shows a control of the window by the name it is
// given: the control's array and index, as in "Text2(0)".
#pragma once

#include <QString>
#include <QWidget>

#include "window/presentation.h"

namespace dd::support {

template <class W = QWidget>
W* WidgetOf(const QWidget& window, design::Role role) {
  if (!present::Shows(role)) {
    return nullptr;
  }
  return window.findChild<W*>(QString::fromStdString(present::Of(role).object_name));
}

}  // namespace dd::support
