// Leaks one object on purpose, from a handler that Qt's event loop calls, as a
// button's handler would. The sanitizer build runs it under make test's leak
// suppressions and expects LeakSanitizer to report it: the suppressions may
// hide what Qt itself keeps until exit, never a leak in this program.
#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Out of line, so that the report names it.
[[gnu::noinline]] void LeakOnPurpose() {
  auto* leaked = new QObject;  // no parent, never deleted
  leaked->setObjectName(QStringLiteral("leaked on purpose"));
}

}  // namespace

int main(int argc, char* argv[]) {
  // Without the suppressions the report would prove nothing about them.
  const char* options = std::getenv("LSAN_OPTIONS");
  if (options == nullptr || std::strstr(options, "suppressions=") == nullptr) {
    std::fprintf(stderr, "LSAN_OPTIONS names no suppressions; run through make test\n");
    return 1;
  }
  QCoreApplication app(argc, argv);
  QTimer::singleShot(0, &app, [] {
    LeakOnPurpose();
    QCoreApplication::quit();
  });
  return QCoreApplication::exec();
}
