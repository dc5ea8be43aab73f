// The program's application object: QApplication with the program's name,
// version and desktop entry, and the window's font for everything.
#pragma once

#include <QApplication>

namespace dd {

// While QApplication starts: a platform that cannot open its display (one
// named but unreachable, say) ends the program with status 1 and one line
// after Qt's own warnings, where Qt would abort.
class PlatformStartGuard {
 protected:
  PlatformStartGuard();
  void Release();

 private:
  QtMessageHandler previous_;
};

// The guard is a base ahead of QApplication, so that it is in place before
// QApplication opens the display.
class Application final : private PlatformStartGuard, public QApplication {
 public:
  Application(int& argc, char** argv);
};

}  // namespace dd
