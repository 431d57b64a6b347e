#include "text/code_page.h"

#include <cctype>

unsigned char lowerCaseHighByte(unsigned char byte) {
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
