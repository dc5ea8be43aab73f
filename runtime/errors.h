// Errors raised by the runtime helpers and by control operations.
//
// Nothing in the program catches these except the window's event boundary,
// which reports them to the user. Their messages are Bulgarian (UTF-8) because
// that is what the user reads.
#pragma once

#include <stdexcept>
#include <string>

namespace dd {

class RuntimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A 16-bit counter or conversion went past -32768..32767.
class OverflowError : public RuntimeError {
 public:
  OverflowError() : RuntimeError("Препълване") {}
};

// An operation on a control failed (bad index, bad position, injected fault).
class ControlError : public RuntimeError {
 public:
  explicit ControlError(const std::string& detail)
      : RuntimeError("Неуспешна операция с контрола: " + detail) {}
};

}  // namespace dd
