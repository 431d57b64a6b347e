#include "ui/win32/message_box.h"

#include <windows.h>

#include "text/wide_text.h"
#include "ui/win32/modal_scope.h"

int32_t showMessageBox(const std::string& title, const std::string& text) {
  ModalScope modal;
  return MessageBoxW(modal.owner(), widen(text).c_str(), widen(title).c_str(), MB_OK);
}
