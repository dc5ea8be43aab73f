// Finds the widget that shows a control of the window by the name it is
// given: the control's array and index, as in "Text2(0)".
#pragma once

#include <QString>
#include <QWidget>

namespace dd::support {

template <class W = QWidget>
W* WidgetOf(const QWidget& window, const char* array, int index) {
  return window.findChild<W*>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
}

}  // namespace dd::support
