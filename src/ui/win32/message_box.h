// The program's message box: a title, a text and one OK button.
#ifndef GANTRELL_UI_WIN32_MESSAGE_BOX_H_
#define GANTRELL_UI_WIN32_MESSAGE_BOX_H_

#include <cstdint>
#include <string>

/// Shows the box modal to the program and waits; returns what MessageBoxW returned (1 for OK).
int32_t showMessageBox(const std::string& title, const std::string& text);

#endif  // GANTRELL_UI_WIN32_MESSAGE_BOX_H_
