#include "text/code_page.h"

#include <windows.h>

#include "text/wide_text.h"

unsigned char lowerCaseHighByte(unsigned char byte) {
  char buffer[2] = {static_cast<char>(byte), 0};
  CharLowerA(buffer);
  return static_cast<unsigned char>(buffer[0]);
}

std::string eightBitToUtf8(std::string_view bytes) { return narrow(widenFrom(bytes, CP_ACP)); }

bool utf8ToEightBit(std::string_view text, std::string* bytes) {
  bytes->clear();
  const std::wstring wide = widen(text);
  if (wide.empty()) return true;
  const int count = static_cast<int>(wide.size());
  // No best fit: a character the code page lacks must not pass as a look-alike ("a" for "ā").
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), count, nullptr,
                                       0, nullptr, &usedDefault);
  if (size <= 0) return false;
  bytes->resize(static_cast<size_t>(size));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), count, &(*bytes)[0], size,
                      nullptr, &usedDefault);
  return !usedDefault;
}
