#include "window/qt/application.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QList>
#include <QString>

#include "window/command_line.h"
#include "window/publisher.h"
#include "window/qt/main_form_window.h"
#include "window/qt/qt_translation.h"

namespace dd {
namespace {

QtMessageHandler forward_to = nullptr;
// What Qt said while its platform started, held back: a platform that cannot
// start says why in several lines before its fatal one, and the program's
// one line replaces them all. Said after all once the platform is up.
QList<std::pair<QtMsgType, QString>>* held = nullptr;

// A fatal message (no platform could start) becomes the program's one line
// and status 1.
void EndOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (held != nullptr) {
      held->append({type, message});
    } else {
      forward_to(type, context, message);
    }
    return;
  }
  const std::string_view line = NoDisplayMessage();
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
  std::_Exit(1);
}

}  // namespace

PlatformStartGuard::PlatformStartGuard() : previous_(qInstallMessageHandler(EndOnFatalMessage)) {
  forward_to = previous_;
  held = new QList<std::pair<QtMsgType, QString>>;
}

void PlatformStartGuard::Release() {
  qInstallMessageHandler(previous_);
  if (held != nullptr) {
    const QMessageLogContext context;
    for (const auto& [type, message] : *held) {
      previous_(type, context, message);
    }
    delete held;
    held = nullptr;
  }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  Release();
  setApplicationName(QStringLiteral("distinct-digits"));
  setApplicationVersion(QStringLiteral(DD_VERSION));
  setDesktopFileName(QStringLiteral(DD_APP_ID));
  InstallQtTranslation();
  // The window's font for everything, so no other font is loaded at start-up.
  setFont(DesignedFont());
}

}  // namespace dd
