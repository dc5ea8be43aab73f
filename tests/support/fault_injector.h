// Makes chosen operations on chosen controls fail, so that the failure paths
// of the logic and of the window can be exercised.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace dd::support {

class FaultInjector final : public ControlHook {
 public:
  // The call that comes after `calls_before` successful ones fails, and so
  // does every later one until Disarm().
  void FailOn(std::string_view array, std::int16_t index, ControlOperation operation,
              int calls_before = 0);
  void Disarm() { faults_.clear(); }

  // Raises ControlError when an armed fault matches.
  void Before(const ControlId& id, ControlOperation operation) override;

 private:
  struct Fault {
    std::string array;
    std::int16_t index;
    ControlOperation operation;
    int calls_before;
  };
  std::vector<Fault> faults_;
};

}  // namespace dd::support
