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
  enum class Kind { Overflow, ControlFailure };

  RuntimeError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}

  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// A 16-bit counter or conversion went past -32768..32767.
class OverflowError : public RuntimeError {
 public:
  OverflowError() : RuntimeError(Kind::Overflow, "Препълване") {}
};

// An operation on a control failed (bad index, bad position, injected fault).
class ControlError : public RuntimeError {
 public:
  explicit ControlError(const std::string& detail)
      : RuntimeError(Kind::ControlFailure, "Неуспешна операция с контрола: " + detail) {}
};

}  // namespace dd
