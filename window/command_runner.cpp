#include "window/command_runner.h"

#include <exception>

#include "runtime/text.h"
#include "window/texts.h"

namespace dd {
namespace {

TextBox& Box(ControlSet& controls, design::Role role) {
  return controls.Text2(design::Of(role).index);
}

}  // namespace

CommandOutcome RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    return {false, texts::ErrorMessage(FromUtf8(error.what())), {}};
  }
  return {};
}

CommandOutcome RunCommand(MainForm& form, ControlSet& controls, design::Role button) {
  Text announcement;
  CommandOutcome outcome = RunHandler([&] {
    controls.Command1(design::Of(button).index).Click();
    if (button == design::Role::Compute) {
      announcement = texts::ComputedAnnouncement(Box(controls, design::Role::StartBox).GetText(),
                                                 Box(controls, design::Role::EndBox).GetText(),
                                                 form.FoundCount);
    } else if (button == design::Role::Clear) {
      announcement = texts::ClearedAnnouncement();
    }
  });
  if (outcome.finished) {
    outcome.announcement = std::move(announcement);
    if (ControlHook* hook = controls.HookSlot(); hook != nullptr && !outcome.announcement.empty()) {
      hook->Announced(outcome.announcement);
    }
  }
  return outcome;
}

}  // namespace dd
