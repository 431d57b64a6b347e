// The platform's single-byte code page: lower-casing, and the 8-bit text of sources without a
// byte-order mark (Latin-1 on Linux, the ANSI code page on Windows) to and from UTF-8.
#ifndef GANTRELL_TEXT_CODE_PAGE_H_
#define GANTRELL_TEXT_CODE_PAGE_H_

#include <string>
#include <string_view>

/// Returns the lower-case form of a byte from 128 up in the user's single-byte code page.
unsigned char lowerCaseHighByte(unsigned char byte);

/// Returns the lower-case form of one byte: A-Z become a-z, bytes from 128 up follow the code page.
inline unsigned char lowerCaseByte(unsigned char byte) {
  if (byte >= 128) return lowerCaseHighByte(byte);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

/// Converts 8-bit text (no NUL) to UTF-8: Latin-1 on Linux, the ANSI code page on Windows.
std::string eightBitToUtf8(std::string_view bytes);

/// Converts UTF-8 to the 8-bit text of eightBitToUtf8 into `bytes`; false when a character has
/// no exact form there (`bytes` then holds what could be converted, with stand-ins).
bool utf8ToEightBit(std::string_view text, std::string* bytes);

#endif  // GANTRELL_TEXT_CODE_PAGE_H_
