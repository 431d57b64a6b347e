#include "text/code_page.h"

#include <cctype>

#include "text/utf8_decode.h"

unsigned char lowerCaseHighByte(unsigned char byte) {
  return static_cast<unsigned char>(std::tolower(byte));
}

// Linux reads 8-bit text as Latin-1: each byte is the character of its value.
std::string eightBitToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char c : bytes) appendUtf8(static_cast<unsigned char>(c), &out);
  return out;
}

bool utf8ToEightBit(std::string_view text, std::string* bytes) {
  bytes->clear();
  bytes->reserve(text.size());
  bool exact = true;
  for (size_t at = 0; at < text.size();) {
    const uint32_t c = nextCodePoint(text, &at);
    exact = exact && c <= 0xFF;
    bytes->push_back(c <= 0xFF ? static_cast<char>(c) : '?');
  }
  return exact;
}
