#include "text/code_page.h"

#include <cctype>

unsigned char lowerCaseByte(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte - 'A' + 'a');
  if (byte < 128) return byte;
  return static_cast<unsigned char>(std::tolower(byte));
}

std::string utf16ToCodePage(const std::vector<uint16_t>& units) {
  // Units that fit one byte keep their value; every other unit, surrogates included, is dropped.
  std::string out;
  out.reserve(units.size());
  for (uint16_t unit : units)
    if (unit < 256) out.push_back(static_cast<char>(unit));
  return out;
}
