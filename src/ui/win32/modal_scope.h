// Makes a dialog modal to the program: while it is shown, the program's other windows take no
// input.
#ifndef GANTRELL_UI_WIN32_MODAL_SCOPE_H_
#define GANTRELL_UI_WIN32_MODAL_SCOPE_H_

#include <windows.h>

#include <vector>

/// Disables the calling thread's other top-level windows for its lifetime and names the owner
/// that a dialog shown meanwhile should get.
class ModalScope {
 public:
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  /// The foreground window when it belongs to this process, else null.
  HWND owner() const { return owner_; }

 private:
  static BOOL CALLBACK disableOne(HWND window, LPARAM scope);

  HWND owner_;
  HWND foreground_;
  DWORD thread_;
  std::vector<HWND> disabled_;
};

#endif  // GANTRELL_UI_WIN32_MODAL_SCOPE_H_
