// The web page's program: the window, made when the page has loaded it.
#include "window/web/start.h"

int main() {
  dd::web::Start();
  return 0;
}
