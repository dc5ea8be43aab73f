// The window's error boundary: every event handler runs inside it. An error
// that leaves a handler is caught here and becomes a message for the user,
// and the window stays usable; a command that finishes says what a screen
// reader is to be told. Each window only shows the one and hands on the other.
#pragma once

#include <functional>

#include "window/controls.h"
#include "window/form_design.h"
#include "window/main_form.h"

namespace dd {

struct CommandOutcome {
  bool finished = true;
  Text error;         // when not finished: the whole message to report
  Text announcement;  // when finished: what a screen reader is told; empty: nothing
};

// Runs `handler` inside the boundary; a finished handler announces nothing.
CommandOutcome RunHandler(const std::function<void()>& handler);

// A click on the compute or the clear button, from the mouse or the keyboard.
CommandOutcome RunCommand(MainForm& form, ControlSet& controls, design::Role button);

}  // namespace dd
