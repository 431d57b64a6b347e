// UTF-8 inside the program: cleaning what a file holds, reading characters, and UTF-16.
#ifndef GANTRELL_TEXT_UTF8_DECODE_H_
#define GANTRELL_TEXT_UTF8_DECODE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Returns the bytes as well-formed UTF-8: what is well-formed stays, malformed bytes become "?"
/// or nothing, and an overlong form of an ASCII character becomes that character (NUL: nothing).
std::string cleanUtf8(const std::string& bytes);

/// Cleans the `length` bytes at `bytes` in place, as cleanUtf8 does; returns the new length.
size_t cleanUtf8InPlace(char* bytes, size_t length);

/// Reads the character at `*at` and moves `*at` behind it; a byte that starts no well-formed
/// sequence reads as the character of its own value.
uint32_t nextCodePoint(std::string_view text, size_t* at);

/// Appends the UTF-8 bytes of a code point.
void appendUtf8(uint32_t codePoint, std::string* out);

/// Converts UTF-16 code units (no zero units) to UTF-8; surrogate pairs give one character, a
/// surrogate without its partner gives nothing.
std::string utf16ToUtf8(const std::vector<uint16_t>& units);

/// Tells whether any of the `length` bytes at `bytes` is 0x80 or above.
bool holdsNonAscii(const char* bytes, size_t length);

#endif  // GANTRELL_TEXT_UTF8_DECODE_H_
