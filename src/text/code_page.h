// The platform's single-byte code page: lower-casing and conversion from UTF-16.
#ifndef GANTRELL_TEXT_CODE_PAGE_H_
#define GANTRELL_TEXT_CODE_PAGE_H_

#include <cstdint>
#include <string>
#include <vector>

/// Returns the lower-case form of a byte from 128 up in the user's single-byte code page.
unsigned char lowerCaseHighByte(unsigned char byte);

/// Returns the lower-case form of one byte: A-Z become a-z, bytes from 128 up follow the code page.
inline unsigned char lowerCaseByte(unsigned char byte) {
  if (byte >= 128) return lowerCaseHighByte(byte);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

/// Converts UTF-16 code units (no zero units) to the platform's 8-bit text.
std::string utf16ToCodePage(const std::vector<uint16_t>& units);

#endif  // GANTRELL_TEXT_CODE_PAGE_H_
