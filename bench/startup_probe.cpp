// The program with one addition: when its window has put its first frame on
// the screen, it writes the monotonic time in nanoseconds and its resident
// memory in KiB to standard output, and exits. With the argument "bare" it
// shows an empty QWidget of the same size instead, the yardstick the
// program's start-up is measured against.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "tests/support/resident_memory.h"
#include "window/qt/application.h"
#include "window/qt/main_form_window.h"

namespace {

class FirstFrameReporter : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // The frame is on screen once this paint cycle has been flushed.
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld %ld\n",
                    static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec,
                    dd::support::ResidentKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  FirstFrameReporter reporter;
  if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    window.installEventFilter(&reporter);
    window.show();
    return QApplication::exec();
  }
  dd::Application app(argc, argv);
  dd::MainFormWindow window;
  window.installEventFilter(&reporter);
  window.show();
  return dd::Application::exec();
}
