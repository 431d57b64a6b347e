#include "text/wide_text.h"

#include <windows.h>

#include <vector>

#include "text/utf8_decode.h"

std::wstring widenFrom(std::string_view text, unsigned codePage) {
  if (text.empty()) return std::wstring();
  const int count = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(codePage, 0, text.data(), count, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), count, &wide[0], size);
  return wide;
}

std::wstring widen(std::string_view text) { return widenFrom(text, CP_UTF8); }

std::string narrow(std::wstring_view text) {
  return utf16ToUtf8(std::vector<uint16_t>(text.begin(), text.end()));
}
