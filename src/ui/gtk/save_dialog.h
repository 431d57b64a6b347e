// The file chooser that asks where to save, with filters from a pattern list.
#ifndef GANTRELL_UI_GTK_SAVE_DIALOG_H_
#define GANTRELL_UI_GTK_SAVE_DIALOG_H_

#include <cstdint>
#include <string>

/// Asks for a path to save to and waits; returns it in the file system's bytes, or "" when not
/// confirmed. An existing file is replaced only after a yes. A default path (file system bytes)
/// ending in "/" is the folder to open in; another one is proposed as the file.
std::string runSaveDialog(const std::string& title, const std::string& defaultPath,
                          const std::string& patternList, int32_t patternIndex);

#endif  // GANTRELL_UI_GTK_SAVE_DIALOG_H_
