// distinct-digits: lists the four-digit numbers of an interval whose digits
// are all different.
#include "window/qt/application.h"
#include "window/qt/main_form_window.h"

int main(int argc, char* argv[]) {
  dd::Application app(argc, argv);
  dd::MainFormWindow window;  // builds the controls and raises the start-up event
  window.show();
  return dd::Application::exec();
}
