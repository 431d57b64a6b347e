// Small byte-string operations shared by the scanner, the header builder and the run.
// Strings are 8-bit: one byte is one character; positions count from 1 and 0 means "not found".
#ifndef GANTRELL_TEXT_TEXT_OPS_H_
#define GANTRELL_TEXT_TEXT_OPS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/code_page.h"

/// Returns the text with A-Z lowered and bytes 128-255 lowered by the platform's code page.
std::string lowerCase(const std::string& text);

/// Lowers the text in place, as lowerCase does.
inline void lowerCaseInPlace(std::string* text) {
  for (char& c : *text) c = static_cast<char>(lowerCaseByte(static_cast<unsigned char>(c)));
}

/// The bytes a PureBasic name is made of: letters, digits and "_".
inline constexpr std::array<bool, 256> kNameBytes = [] {
  std::array<bool, 256> name{};
  for (int c = 0; c < 256; ++c)
    name[c] =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  return name;
}();

/// Tells whether the byte can stand in a PureBasic name.
inline bool isNameByte(char c) { return kNameBytes[static_cast<unsigned char>(c)]; }

/// Tells whether a byte is an ASCII decimal digit.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// Returns the position behind the name bytes that start at `at` (`at` itself where none does).
inline size_t nameEnd(std::string_view text, size_t at) {
  while (at < text.size() && isNameByte(text[at])) ++at;
  return at;
}

/// Returns the text lowered, as lowerCase lowers it.
inline std::string lowered(std::string_view text) {
  std::string word(text);
  lowerCaseInPlace(&word);
  return word;
}

/// Tells whether the `length` bytes at `text`, lowered as lowerCase lowers them, are the
/// `length` bytes at `lowered`.
inline bool lowersTo(const char* text, const char* lowered, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (lowerCaseByte(byte) != static_cast<unsigned char>(lowered[i])) return false;
  }
  return true;
}

/// Tells whether the text, lowered as lowerCase lowers it, holds exactly the bytes of `lowered`.
inline bool lowerCaseEquals(const std::string& text, const char* lowered) {
  return std::char_traits<char>::length(lowered) == text.size() &&
         lowersTo(text.data(), lowered, text.size());
}

/// Returns the 1-based position of `wanted` at or after `start`, or 0 when absent.
int32_t findText(const std::string& text, const std::string& wanted, int32_t start);

/// Returns at most `length` bytes from 1-based `start` on ("" past the end).
std::string midText(const std::string& text, int32_t start, int32_t length);

/// Returns the first `n` bytes of the text ("" for a negative n).
std::string leftText(const std::string& text, int32_t n);

/// Returns the text without leading and trailing space characters (byte 32 only).
std::string trimSpaces(const std::string& text);

/// Returns the text with every non-overlapping occurrence of `wanted` replaced, left to right.
std::string replaceText(const std::string& text, const std::string& wanted,
                        const std::string& replacement);

/// Returns the value in decimal digits, with a leading "-" when negative.
std::string decimalText(int64_t value);

/// Tells whether both texts hold exactly the same bytes.
bool textEquals(const std::string& a, const std::string& b);

/// Tells whether the text holds exactly the bytes of `b` (a NUL-terminated literal).
inline bool textEquals(const std::string& a, const char* b) {
  const size_t n = a.size();
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i] || b[i] == '\0') return false;
  return b[n] == '\0';
}

#endif  // GANTRELL_TEXT_TEXT_OPS_H_
