// The keyboard cues of the window and its controls: whether they hide the
// focus rectangle and the access keys' underlines. Windows keeps these for
// every window, but Wine for none, so the window keeps them itself: the
// access keys are underlined while Alt is held (always, where the system
// setting says so), and every control that draws them asks the window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace dd::win32 {

class KeyboardCues {
 public:
  // `tell_controls` sends the controls a change of the cues
  // (WM_UPDATEUISTATE), to draw themselves again.
  explicit KeyboardCues(std::function<void(WPARAM)> tell_controls)
      : tell_controls_(std::move(tell_controls)) {}

  // The controls start from the window's cues, which hide nothing: the focus
  // shows whatever the last input was. Then the access keys are hidden
  // until Alt is held.
  void Start(HWND window);
  // A key on its way to the window: Alt held or let go.
  void OnKey(const MSG& message);
  // The window's answer to a message about its cues, or about what changes
  // them; nothing for any other message.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam);

 private:
  // Shows the access keys' underlines, or hides them unless the system
  // setting shows them always.
  void ShowAccessKeys(bool show);

  std::function<void(WPARAM)> tell_controls_;
  HWND window_ = nullptr;
  WORD hidden_ = 0;  // UISF_ flags: what the window hides now
};

}  // namespace dd::win32
