// Makes chosen operations on chosen controls fail, so that the failure paths
// of the logic and of the window can be exercised, and keeps what the window
// announced.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace dd::support {

// A control operation by the name the window cases give it ("AddItem").
std::optional<ControlOperation> OperationNamed(std::string_view name);

class FaultInjector final : public ControlHook {
 public:
  // The call that comes after `calls_before` successful ones fails, and so
  // does every later one until Disarm().
  void FailOn(std::string_view array, std::int16_t index, ControlOperation operation,
              int calls_before = 0);
  void Disarm() { faults_.clear(); }

  // Raises ControlError when an armed fault matches.
  void Before(const ControlId& id, ControlOperation operation) override;
  void Announced(std::u16string_view message) override { announced_.emplace_back(message); }
  // Every announcement so far, oldest first.
  const std::vector<Text>& Heard() const { return announced_; }

 private:
  struct Fault {
    std::string array;
    std::int16_t index;
    ControlOperation operation;
    int calls_before;
  };
  std::vector<Fault> faults_;
  std::vector<Text> announced_;
};

}  // namespace dd::support
