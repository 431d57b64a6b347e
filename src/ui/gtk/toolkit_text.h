// The program's 8-bit ISO-8859-15 text as the UTF-8 that GTK takes.
#ifndef GANTRELL_UI_GTK_TOOLKIT_TEXT_H_
#define GANTRELL_UI_GTK_TOOLKIT_TEXT_H_

#include <string>

/// Converts text up to its terminating zero from ISO-8859-15 to UTF-8; a null text counts as "",
/// and a text that cannot be converted comes back unchanged.
std::string toToolkitText(const char* text);

#endif  // GANTRELL_UI_GTK_TOOLKIT_TEXT_H_
