// The resident memory of this process, for the endurance test and the
// start-up benchmark.
#pragma once

#include <fstream>
#include <string>

namespace dd::support {

// VmRSS from /proc/self/status in KiB; -1 where it cannot be read.
inline long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) {
      return std::stol(line.substr(6));
    }
  }
  return -1;
}

}  // namespace dd::support
