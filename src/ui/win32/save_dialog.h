// The save dialog on Win32: GetSaveFileNameW with the program's title, folder and filters.
#ifndef GANTRELL_UI_WIN32_SAVE_DIALOG_H_
#define GANTRELL_UI_WIN32_SAVE_DIALOG_H_

#include <cstdint>
#include <string>
#include <vector>

/// Where the save dialog starts: a folder and a proposed file name, either possibly "".
struct SaveLocation {
  std::string folder;
  std::string fileName;
};

/// The size of the buffer that receives the chosen path, in characters, terminating zero included.
constexpr size_t kSavePathBufferSize = 260;

/// Splits a default path at its last backslash into the starting folder and file name; a name
/// that Windows would refuse is dropped.
SaveLocation initialSaveLocation(const std::string& defaultPath);

/// Turns a "|"-separated pattern list into the zero-separated, doubly-terminated filter text.
std::vector<char> saveFilterBuffer(const std::string& patternList);

/// Shows the dialog modal to the program; returns the chosen path, or "" on cancel or failure.
std::string askSaveFileName(const std::string& title, const std::string& defaultPath,
                            const std::string& patternList, int32_t patternIndex);

#endif  // GANTRELL_UI_WIN32_SAVE_DIALOG_H_
