// The desktop program's Ui: GTK 2 on Linux, Win32 on Windows, chosen by the build.
#ifndef GANTRELL_UI_DESKTOP_UI_H_
#define GANTRELL_UI_DESKTOP_UI_H_

#include <memory>

#include "ui/ui.h"

/// Starts the toolkit with the process's arguments; null (after saying why on stderr) when it
/// can't, for example without a display.
std::unique_ptr<Ui> startDesktopUi(int* argc, char*** argv);

#endif  // GANTRELL_UI_DESKTOP_UI_H_
