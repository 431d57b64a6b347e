// The program's text as the UTF-8 that GTK takes.
#ifndef GANTRELL_UI_GTK_TOOLKIT_TEXT_H_
#define GANTRELL_UI_GTK_TOOLKIT_TEXT_H_

#include <string>

/// Returns text up to its terminating zero as UTF-8: UTF-8 as it is, anything else read as
/// ISO-8859-15; a null text counts as "", and a text that cannot be converted comes back unchanged.
std::string toToolkitText(const char* text);

#endif  // GANTRELL_UI_GTK_TOOLKIT_TEXT_H_
