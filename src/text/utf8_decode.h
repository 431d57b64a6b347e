// Decoding UTF-8 into the program's 8-bit text, one byte per character.
#ifndef GANTRELL_TEXT_UTF8_DECODE_H_
#define GANTRELL_TEXT_UTF8_DECODE_H_

#include <cstddef>
#include <string>

/// Decodes UTF-8 bytes to one byte per character: code points above 255 become "?", NUL goes.
std::string decodeUtf8ToBytes(const std::string& bytes);

/// Decodes the `length` UTF-8 bytes at `bytes` the same way, in place; returns the decoded length.
size_t decodeUtf8InPlace(char* bytes, size_t length);

#endif  // GANTRELL_TEXT_UTF8_DECODE_H_
