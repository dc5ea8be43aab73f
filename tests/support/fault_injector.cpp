#include "tests/support/fault_injector.h"

#include "runtime/errors.h"

namespace dd::support {
namespace {

const char* OperationName(ControlOperation operation) {
  switch (operation) {
    case ControlOperation::ReadText:
      return "четене на текст";
    case ControlOperation::WriteText:
      return "запис на текст";
    case ControlOperation::SetLocked:
      return "забрана за промяна";
    case ControlOperation::Clear:
      return "изчистване";
    case ControlOperation::AddItem:
      return "добавяне на ред";
    case ControlOperation::ItemText:
      return "четене на ред";
    case ControlOperation::Click:
      return "натискане";
  }
  return "";
}

}  // namespace

std::optional<ControlOperation> OperationNamed(std::string_view name) {
  static constexpr std::pair<std::string_view, ControlOperation> kNames[] = {
      {"ReadText", ControlOperation::ReadText}, {"WriteText", ControlOperation::WriteText},
      {"SetLocked", ControlOperation::SetLocked}, {"Clear", ControlOperation::Clear},
      {"AddItem", ControlOperation::AddItem},   {"ItemText", ControlOperation::ItemText},
      {"Click", ControlOperation::Click}};
  for (const auto& [named, operation] : kNames) {
    if (named == name) {
      return operation;
    }
  }
  return std::nullopt;
}

void FaultInjector::FailOn(std::string_view array, std::int16_t index, ControlOperation operation,
                           int calls_before) {
  faults_.push_back(Fault{std::string(array), index, operation, calls_before});
}

void FaultInjector::Before(const ControlId& id, ControlOperation operation) {
  for (Fault& fault : faults_) {
    if (fault.operation != operation || fault.index != id.index || fault.array != id.array) {
      continue;
    }
    if (fault.calls_before > 0) {
      --fault.calls_before;
      continue;
    }
    throw ControlError(id.ToString() + ", " + OperationName(operation));
  }
}

}  // namespace dd::support
