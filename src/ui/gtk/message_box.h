// A message with one OK button that runs its own event loop until it is dismissed.
#ifndef GANTRELL_UI_GTK_MESSAGE_BOX_H_
#define GANTRELL_UI_GTK_MESSAGE_BOX_H_

#include <cstdint>
#include <string>

/// Shows the box and waits; 1 when OK was pressed, 0 when the box was destroyed otherwise.
int32_t runMessageBox(const std::string& title, const std::string& text);

#endif  // GANTRELL_UI_GTK_MESSAGE_BOX_H_
