#include "ui/win32/message_box.h"

#include <windows.h>

#include "ui/win32/modal_scope.h"

int32_t showMessageBox(const std::string& title, const std::string& text) {
  ModalScope modal;
  return MessageBoxA(modal.owner(), text.c_str(), title.c_str(), MB_OK);
}
