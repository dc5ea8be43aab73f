// Gives a standard control behaviour of the program's own: the control's
// window procedure is replaced by one that offers every message to a
// Subclass first, which hands on what it leaves to the control's own
// procedure. Every control the program changes goes through here.
//
// Done the classic way, the procedure swapped through GWLP_WNDPROC and the
// Subclass kept in GWLP_USERDATA (which the standard controls leave to their
// owner): comctl32's SetWindowSubclass does the same, but under Wine it makes
// every message cost about a hundred times more, and filling the result list
// with 4032 numbers takes thousands of messages.
#pragma once

#include <windows.h>

#include <memory>

namespace dd::win32 {

// Whether Ctrl is held without Alt (Ctrl with Alt is AltGr), for the
// shortcuts the subclassed controls take.
inline bool ControlDown() {
  return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

class Subclass {
 public:
  Subclass() = default;
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;
  virtual ~Subclass() = default;

  // Puts `subclass` in front of `control`'s own procedure. The control keeps
  // it, and deletes it with its last message (WM_NCDESTROY).
  template <class S>
  static S& Install(HWND control, std::unique_ptr<S> subclass) {
    S& kept = *subclass.release();
    SetWindowLongPtrW(control, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(static_cast<Subclass*>(&kept)));
    kept.control_procedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    return kept;
  }

 protected:
  // What the control's own procedure makes of a message.
  LRESULT PassOn(HWND control, UINT message, WPARAM wparam, LPARAM lparam) const {
    return CallWindowProcW(control_procedure_, control, message, wparam, lparam);
  }

 private:
  // Handles a message itself or hands it on with PassOn().
  virtual LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) = 0;

  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<Subclass*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (message != WM_NCDESTROY) {
      return self->OnMessage(control, message, wparam, lparam);
    }
    // The control's last message: it goes back to its own procedure, which
    // ends it, and the subclass goes.
    const WNDPROC own = self->control_procedure_;
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    delete self;
    return CallWindowProcW(own, control, message, wparam, lparam);
  }

  WNDPROC control_procedure_ = nullptr;
};

}  // namespace dd::win32
