#include <windows.h>

#include <cstdio>

#include "text/console.h"
#include "text/wide_text.h"

void writeError(const std::string& text) {
  // A console shows characters, whatever its code page; a file or a pipe gets UTF-8 bytes.
  HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
    std::fflush(stderr);
    const std::wstring wide = widen(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stderr);
}
