// The program's window: Qt widgets laid out by the design table, with the
// form's logic running on them through the control operations.
#pragma once

#include <QFont>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

#include "window/controls.h"
#include "window/form_design.h"
#include "window/qt/announcer.h"
#include "window/qt/qt_controls.h"
#include "window/window_host.h"
#include "window/zoom.h"

namespace dd {

// The font every control of the window uses, at `percent` of its size.
QFont DesignedFont(int percent = zoom::kDesigned);

class MainFormWindow final : public QWidget, private WindowHost<QWidget*> {
 public:
  // Builds the controls and raises the start-up event; show() shows the
  // window. Every control operation is shown to `hook` first, if one is given.
  explicit MainFormWindow(ControlHook* hook = nullptr);

  // How large the window is shown, in per cent of the design.
  int ZoomPercent() const { return zoom_; }

 protected:
  // Presses a button at once on its access key; zooms on Ctrl with plus,
  // minus or 0 and on Ctrl with the mouse wheel, wherever in the window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::pair<std::unique_ptr<TextBox>, QWidget*> MakeTextBox(design::Role role, ControlId id,
                                                            ControlHook* const& hook) override;
  QWidget* MakeWidget(design::Role role, Control& control) override;
  void Arrange() override;
  void PresentResults(const ListBox& results) override;
  void Report(const Text& message) override;
  void Announce(const Text& announcement) override;
  void MoveFocus(design::Role role) override;
  // Places every control at its designed place and sizes the window and
  // its font, all at the current zoom.
  void LayOut();
  // Zooms as `command` says, as far as the screen the window is on takes.
  void Zoom(zoom::Command command);
  // What a key or a wheel turn does to the zoom, if anything.
  std::optional<zoom::Command> ZoomCommandOf(QEvent* event);
  void ApplyFocusOrder();
  void AlignCaptionsWithTheirBoxes();

  std::unique_ptr<ListBoxModel> results_model_;
  Announcer announcer_{*this};
  int zoom_ = zoom::kDesigned;
  zoom::Wheel wheel_;
};

}  // namespace dd
