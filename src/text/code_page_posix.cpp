#include "text/code_page.h"

#include <cctype>

#include "text/utf8_decode.h"

unsigned char lowerCaseHighByte(unsigned char byte) {
  return static_cast<unsigned char>(std::tolower(byte));
}

// Linux reads 8-bit text as Latin-1: each byte is the character of its value, so a byte from
// 0x80 up becomes two and the rest stay.
std::string eightBitToUtf8(std::string_view bytes) {
  std::string out(bytes.size() * 2, '\0');  // room for the longest result, cut to size below
  char* to = &out[0];
  for (const char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      *to++ = c;
    } else {
      *to++ = static_cast<char>(0xC0 | (byte >> 6));
      *to++ = static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  out.resize(static_cast<size_t>(to - out.data()));
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
