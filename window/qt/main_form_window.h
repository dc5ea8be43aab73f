// The program's window: Qt widgets laid out by the design table, with the
// form's logic running on them through the control operations.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "window/build_controls.h"
#include "window/controls.h"
#include "window/main_form.h"
#include "window/qt/announcer.h"
#include "window/qt/qt_controls.h"

namespace dd {

// The font every control of the window uses.
QFont DesignedFont();

class MainFormWindow final : public QWidget, private ControlHost {
 public:
  // Builds the controls and raises the start-up event; show() shows the
  // window. Every control operation is shown to `hook` first, if one is given.
  explicit MainFormWindow(ControlHook* hook = nullptr);

 private:
  std::unique_ptr<TextBox> MakeTextBox(const design::ControlDesign& design, ControlId id,
                                       ControlHook* const& hook) override;
  void Added(const design::ControlDesign& design, Control& control) override;
  // The widget that shows a control; nullptr for the hidden digit list.
  QWidget* WidgetOf(std::string_view array, std::int16_t index) const;
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
  QWidget* last_text_box_ = nullptr;  // the widget MakeTextBox made last
  std::optional<MainForm> form_;      // made once the controls exist
  Announcer announcer_{*this};
};

}  // namespace dd
