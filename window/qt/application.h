// The program's application object: QApplication with the program's name,
// version and desktop entry, and the window's font for everything.
#pragma once

#include <QApplication>

namespace dd {

class Application final : public QApplication {
 public:
  Application(int& argc, char** argv);
};

}  // namespace dd
