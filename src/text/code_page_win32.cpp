#include "text/code_page.h"

#include <windows.h>

unsigned char lowerCaseHighByte(unsigned char byte) {
  char buffer[2] = {static_cast<char>(byte), 0};
  CharLowerA(buffer);
  return static_cast<unsigned char>(buffer[0]);
}

std::string utf16ToCodePage(const std::vector<uint16_t>& units) {
  if (units.empty()) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(units.data());
  const int count = static_cast<int>(units.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, count, &out[0], size, nullptr, nullptr);
  return out;
}
