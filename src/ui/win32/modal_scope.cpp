#include "ui/win32/modal_scope.h"

ModalScope::ModalScope()
    : owner_(nullptr), foreground_(GetForegroundWindow()), thread_(GetCurrentThreadId()) {
  DWORD process = 0;
  if (foreground_ != nullptr) GetWindowThreadProcessId(foreground_, &process);
  if (process == GetCurrentProcessId()) owner_ = foreground_;
  // The owner itself is left to the dialog, which disables it while it runs.
  EnumWindows(&ModalScope::disableOne, reinterpret_cast<LPARAM>(this));
}

ModalScope::~ModalScope() {
  for (HWND window : disabled_)
    if (GetWindowThreadProcessId(window, nullptr) == thread_) EnableWindow(window, TRUE);
}

BOOL CALLBACK ModalScope::disableOne(HWND window, LPARAM scope) {
  ModalScope* self = reinterpret_cast<ModalScope*>(scope);
  if (window != self->foreground_ && GetWindowThreadProcessId(window, nullptr) == self->thread_ &&
      IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    self->disabled_.push_back(window);
  }
  return TRUE;
}
