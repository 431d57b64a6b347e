// Messages of the command-line program: UTF-8 text to standard error, shown whole on a console.
#ifndef GANTRELL_TEXT_CONSOLE_H_
#define GANTRELL_TEXT_CONSOLE_H_

#include <string>

/// Writes UTF-8 text to standard error: its bytes, or on a Windows console its characters
/// through the wide console functions.
void writeError(const std::string& text);

/// Formats as printf does and writes the result with writeError.
[[gnu::format(printf, 1, 2)]] void printError(const char* format, ...);

#endif  // GANTRELL_TEXT_CONSOLE_H_
