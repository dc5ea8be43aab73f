// distinct-digits: lists the four-digit numbers of an interval whose digits
// are all different.
#include "window/command_line.h"
#include "window/qt/application.h"
#include "window/qt/main_form_window.h"

int main(int argc, char* argv[]) {
  // --help, --version, a wrong argument and a missing display are answered
  // before Qt starts, so none of them needs a display.
  if (const auto exit_status = dd::AnswerCommandLine(argc, argv)) {
    return *exit_status;
  }
  dd::Application app(argc, argv);
  dd::MainFormWindow window;  // builds the controls and raises the start-up event
  window.show();
  return dd::Application::exec();
}
