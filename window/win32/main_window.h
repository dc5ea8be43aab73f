// The program's window on Win32: the standard controls laid out by the
// design table, with the form's logic running on them through the control
// operations.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "window/build_controls.h"
#include "window/controls.h"
#include "window/form_design.h"
#include "window/main_form.h"
#include "window/win32/uia_announcer.h"
#include "window/win32/win32_controls.h"

namespace dd::win32 {

// Twips to pixels at `dpi` dots per inch.
int Scale(int twips, UINT dpi);

class MainFormWindow final : private ControlHost {
 public:
  // Builds the controls and raises the start-up event; Show() shows the
  // window. Every control operation is shown to `hook` first, if one is given.
  explicit MainFormWindow(HINSTANCE instance, ControlHook* hook = nullptr);
  ~MainFormWindow();
  MainFormWindow(const MainFormWindow&) = delete;
  MainFormWindow& operator=(const MainFormWindow&) = delete;

  // Shows the window with the focus where the design puts it first.
  void Show(int how);
  // Closing the window ends the message loop (the program's window does).
  void QuitOnClose() { quit_on_close_ = true; }
  // Moves the focus on Tab and Shift+Tab in the focus order. The message
  // loop offers every message here first and skips one this returns true for.
  bool PreTranslate(const MSG& message);

  HWND Handle() const { return window_; }
  // The control window that shows a control; nullptr for the hidden digit
  // list, which lives in the model only.
  HWND ControlWindow(std::string_view array, std::int16_t index) const;
  UINT Dpi() const { return dpi_; }
  HFONT Font() const { return font_; }
  const std::vector<Text>& Announced() const { return announcer_.Announced(); }

 private:
  struct Placed {
    const design::ControlDesign* design;
    Control* control;
    HWND window;
    HBRUSH brush;  // a label's designed background; nullptr otherwise
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

  std::unique_ptr<TextBox> MakeTextBox(const design::ControlDesign& design, ControlId id,
                                       ControlHook* const& hook) override;
  void Added(const design::ControlDesign& design, Control& control) override;
  const Placed* PlacedOf(HWND window) const;
  // Places every control and sizes the window for the current DPI; `at` is
  // the window's new top left corner, if it moves.
  void Layout(const POINT* at);
  void MakeFont();
  void ApplyFocusOrder();
  // Runs an event handler. An error that leaves it is shown to the user and
  // the window stays usable; the result says whether the handler finished.
  bool RunHandler(const std::function<void()>& handler);
  // What a click on Command1(index) does, from the mouse or the keyboard.
  void RunCommand(std::int16_t index);
  void ReportError(const std::wstring& message);
  void DrawButton(const DRAWITEMSTRUCT& item) const;
  LRESULT ColourStatic(HDC dc, HWND control);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  HFONT font_ = nullptr;
  bool quit_on_close_ = false;
  HWND last_focus_ = nullptr;  // the control to give the focus back to

  ControlSet controls_;
  std::vector<Placed> placed_;
  // Zero-sized labels that name the result list and the task statement for
  // screen readers, which name a control after the label just before it.
  std::array<HWND, 2> name_labels_{};
  HWND last_edit_ = nullptr;  // the EDIT that MakeTextBox made last
  std::unique_ptr<ResultList> results_;
  std::optional<MainForm> form_;  // made once the controls exist
  UiaAnnouncer announcer_;
};

// Makes the process aware of each monitor's DPI when the manifest did not.
void EnablePerMonitorDpiAwareness();

}  // namespace dd::win32
