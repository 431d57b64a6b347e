// The program's UTF-8 text and paths at the wide-character Windows API (Windows only).
#ifndef GANTRELL_TEXT_WIDE_TEXT_H_
#define GANTRELL_TEXT_WIDE_TEXT_H_

#include <string>
#include <string_view>

/// Converts text of the Windows code page `codePage` (CP_UTF8, CP_ACP, ...) to UTF-16; "" for
/// text that does not convert.
std::wstring widenFrom(std::string_view text, unsigned codePage);

/// Converts UTF-8 to UTF-16 for the wide functions; a zero byte stays a zero unit.
std::wstring widen(std::string_view text);

/// Converts UTF-16 from the wide functions to UTF-8; a surrogate without its partner is dropped.
std::string narrow(std::wstring_view text);

#endif  // GANTRELL_TEXT_WIDE_TEXT_H_
