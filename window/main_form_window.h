// The program's window: Qt widgets laid out by the design table, with the
// form's logic running on them through the control operations.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "window/announcer.h"
#include "window/controls.h"
#include "window/main_form.h"
#include "window/qt_controls.h"

namespace dd {

// The font every control of the window uses.
QFont DesignedFont();

class MainFormWindow final : public QWidget {
 public:
  MainFormWindow();

  // Raises the start-up event. Call once, before the window is first shown.
  void Load();

  ControlSet& Controls() { return controls_; }
  MainForm& Form() { return form_; }
  // The widget that shows a control; nullptr for the hidden digit list.
  QWidget* WidgetOf(std::string_view array, std::int16_t index) const;

 private:
  void BuildControls();
  void ApplyFocusOrder();
  void NameForAssistiveTechnology();
  // Runs an event handler. An error that leaves it is shown to the user and
  // the window stays usable; the result says whether the handler finished.
  bool RunHandler(const std::function<void()>& handler);
  // Tells a screen reader what the button's command did.
  void AnnounceCommand(std::int16_t button);
  void ReportError(const QString& message);

  ControlSet controls_;
  std::unique_ptr<ListBoxModel> results_model_;
  std::map<std::pair<std::string_view, std::int16_t>, QWidget*> widgets_;
  MainForm form_;
  Announcer announcer_{*this};
};

}  // namespace dd
