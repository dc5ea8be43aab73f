// Runs the tests under the locale the environment names, as the program's
// application object does at start-up. With DD_EXPECT_LOCALE set, refuses to
// run unless that locale really is in force.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  if (const char* expected = std::getenv("DD_EXPECT_LOCALE")) {
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (numeric == nullptr || std::strstr(numeric, expected) == nullptr) {
      std::fprintf(stderr, "locale %s is not in force (LC_NUMERIC is %s)\n", expected,
                   numeric == nullptr ? "unset" : numeric);
      return 1;
    }
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
