#include "window/qt/application.h"

#include <cstdio>
#include <cstdlib>

#include "window/command_line.h"
#include "window/qt/main_form_window.h"
#include "window/qt/qt_translation.h"

namespace dd {
namespace {

QtMessageHandler forward_to = nullptr;

// Qt's warnings pass on as usual; a fatal message (no platform could start)
// becomes the program's one line and status 1.
void EndOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    forward_to(type, context, message);
    return;
  }
  const std::string_view line = NoDisplayMessage();
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
  std::_Exit(1);
}

}  // namespace

PlatformStartGuard::PlatformStartGuard() : previous_(qInstallMessageHandler(EndOnFatalMessage)) {
  forward_to = previous_;
}

void PlatformStartGuard::Release() {
  qInstallMessageHandler(previous_);
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  Release();
  setApplicationName(QStringLiteral("distinct-digits"));
  setApplicationVersion(QStringLiteral(DD_VERSION));
  setDesktopFileName(QStringLiteral("org.example.DistinctDigits"));
  InstallQtTranslation();
  // The window's font for everything, so no other font is loaded at start-up.
  setFont(DesignedFont());
}

}  // namespace dd
