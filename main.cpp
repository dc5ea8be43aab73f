// distinct-digits: lists the four-digit numbers of an interval whose digits
// are all different.
#include "window/application.h"

int main(int argc, char* argv[]) {
  return dd::RunApplication(argc, argv);
}
