// How a file name appears in a message: bytes that would act on the terminal or break the line
// are written as escapes instead.
#ifndef GANTRELL_TEXT_SHOWN_NAME_H_
#define GANTRELL_TEXT_SHOWN_NAME_H_

#include <string>
#include <string_view>

/// Returns the name with each control byte (below 0x20, and 0x7F) written as `\xNN`, two
/// lower-case hex digits; every other byte stays as it is.
std::string shownName(std::string_view name);

#endif  // GANTRELL_TEXT_SHOWN_NAME_H_
