#include "window/application.h"

#include <QApplication>

#include "window/main_form_window.h"
#include "window/qt_translation.h"

namespace dd {

int RunApplication(int argc, char* argv[], const std::function<void(MainFormWindow&)>& shown) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("distinct-digits"));
  QApplication::setApplicationVersion(QStringLiteral(DD_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.example.DistinctDigits"));
  InstallQtTranslation();

  // The window's font for everything, so no other font is loaded at start-up.
  QApplication::setFont(DesignedFont());

  MainFormWindow window;
  window.Load();
  window.show();
  if (shown) {
    shown(window);
  }
  return QApplication::exec();
}

}  // namespace dd
