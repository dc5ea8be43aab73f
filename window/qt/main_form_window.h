// The program's window: Qt widgets laid out by the design table, with the
// form's logic running on them through the control operations.
#pragma once

#include <QFont>
#include <QWidget>
#include <memory>
#include <utility>

#include "window/controls.h"
#include "window/form_design.h"
#include "window/qt/announcer.h"
#include "window/qt/qt_controls.h"
#include "window/window_host.h"

namespace dd {

// The font every control of the window uses.
QFont DesignedFont();

class MainFormWindow final : public QWidget, private WindowHost<QWidget*> {
 public:
  // Builds the controls and raises the start-up event; show() shows the
  // window. Every control operation is shown to `hook` first, if one is given.
  explicit MainFormWindow(ControlHook* hook = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::pair<std::unique_ptr<TextBox>, QWidget*> MakeTextBox(const design::ControlDesign& design,
                                                            ControlId id,
                                                            ControlHook* const& hook) override;
  QWidget* MakeWidget(const design::ControlDesign& design, Control& control) override;
  void Arrange() override;
  void PresentResults(const ListBox& results) override;
  void Report(const Text& message) override;
  void Announce(const Text& announcement) override;
  void MoveFocus(design::Role role) override;
  // Puts a control's widget at its designed place, in its colours, named
  // after its control.
  void Place(const design::ControlDesign& design, QWidget& widget);
  void ApplyFocusOrder();
  void NameForAssistiveTechnology();
  void AlignCaptionsWithTheirBoxes();

  std::unique_ptr<ListBoxModel> results_model_;
  Announcer announcer_{*this};
};

}  // namespace dd
