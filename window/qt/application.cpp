#include "window/qt/application.h"

#include "window/qt/main_form_window.h"
#include "window/qt/qt_translation.h"

namespace dd {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("distinct-digits"));
  setApplicationVersion(QStringLiteral(DD_VERSION));
  setDesktopFileName(QStringLiteral("org.example.DistinctDigits"));
  InstallQtTranslation();
  // The window's font for everything, so no other font is loaded at start-up.
  setFont(DesignedFont());
}

}  // namespace dd
