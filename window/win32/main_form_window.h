// The program's window on Win32: the standard controls, made and laid out
// as the model presents them, with the form's logic running on them through
// the control operations.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <utility>

#include "window/controls.h"
#include "window/presentation.h"
#include "window/win32/announcer.h"
#include "window/win32/keyboard_cues.h"
#include "window/window_host.h"
#include "window/zoom.h"

namespace dd::win32 {

class ResultList;

// The main window's styles: a fixed size, with no maximise button.
inline constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr DWORD kWindowExStyle = 0;

// The child-window identifier of the control with `role`, by which
// GetDlgItem finds it in the window (tests and tools do).
int ControlIdOf(design::Role role);

class MainFormWindow final : private WindowHost<HWND> {
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
  // Moves the focus on Tab and Shift+Tab in the focus order, and by the
  // access keys, whose underlines it shows while Alt is held. The message
  // loop offers every message here first and skips one this returns true for.
  bool PreTranslate(const MSG& message);

  // The window; nullptr once it has been closed.
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

  std::pair<std::unique_ptr<TextBox>, HWND> MakeTextBox(design::Role role, ControlId id,
                                                        ControlHook* const& hook) override;
  HWND MakeWidget(design::Role role, Control& control) override;
  void Arrange() override;
  void PresentResults(const ListBox& results) override;
  void Report(const Text& message) override;
  void Announce(const Text& announcement) override;
  // Where the focus goes when the window is shown or next activated.
  void MoveFocus(design::Role role) override;
  // A child window of `window_class` at the control's place.
  HWND MakeChild(const present::Control& shown, const wchar_t* window_class,
                 std::u16string_view text, DWORD style, DWORD ex_style);
  // Sends the controls a change of the keyboard cues (WM_UPDATEUISTATE).
  void TellControls(WPARAM change) const;
  // Gives `control` the focus, a one-line box with its text selected.
  void MoveFocusTo(HWND control);
  // What Alt with `letter` does: false when it is no access key.
  bool PressAccessKey(char16_t letter);
  // The role of one of the window's control windows.
  std::optional<design::Role> RoleOf(HWND control) const;
  // Places every control in a font and sizes the window for the current
  // DPI and zoom; `at` is the window's new top left corner, if it moves.
  void Layout(const POINT* at);
  // Makes the font for the layout's DPI unless font_ is it already (or none
  // can be made); returns the font it replaces, for the caller to delete
  // once no control uses it.
  HFONT FitFont(UINT layout);
  // The dots per inch the design is laid out at: the screen's, zoomed.
  UINT LayoutDpi() const {
    return static_cast<UINT>(zoom::LayoutDpi(static_cast<int>(dpi_), zoom_));
  }
  // Zooms as `command` says, as far as the screen the window is on takes.
  void Zoom(zoom::Command command);
  // What a key or a wheel turn does to the zoom, if anything.
  std::optional<zoom::Command> ZoomCommandOf(const MSG& message);
  void NameForAssistiveTechnology();
  void ApplyFocusOrder();
  LRESULT ColourStatic(HDC dc, HWND control) const;

  HINSTANCE instance_;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  int zoom_ = zoom::kDesigned;
  zoom::Wheel wheel_;
  HFONT font_ = nullptr;
  UINT font_dpi_ = 0;  // the layout's DPI font_ was made for
  bool quit_on_close_ = false;
  HWND last_focus_ = nullptr;  // the control to give the focus back to
  KeyboardCues cues_{[this](WPARAM change) { TellControls(change); }};

  // The designed backgrounds of the labels that have one.
  design::ByRole<HBRUSH> brushes_;
  // The label that names each box or list for screen readers, which name
  // such a control after the label just before it: a box's caption, or a
  // zero-sized label of its own (the result list, the task statement).
  design::ByRole<HWND> name_labels_;
  ResultList* results_ = nullptr;  // kept by its control window
  Announcer announcer_;
};

}  // namespace dd::win32
