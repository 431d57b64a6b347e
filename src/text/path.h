// Splitting a path into its folder and its file name; no file system access.
#ifndef GANTRELL_TEXT_PATH_H_
#define GANTRELL_TEXT_PATH_H_

#include <string>

/// The characters that separate folders in a path on this platform.
extern const char kFolderSeparators[];

/// Whether folderPart ignores every separator after the first "|" on this platform.
extern const bool kFolderPartStopsAtBar;

/// Returns the path up to and including its last folder separator, or "" when it has none.
std::string folderPart(const std::string& path);

/// Returns the path up to and including its last folder separator, every character taken as
/// it stands (no double quote is skipped or ends it).
std::string exactFolderPart(const std::string& path);

/// Returns what follows the path's last folder separator, cut before a following double quote.
std::string fileNamePart(const std::string& path);

/// Tells whether the path starts at a root ("/x" here; "C:\x", "\x" or "\\host\x" on Windows).
bool isAbsolutePath(const std::string& path);

#endif  // GANTRELL_TEXT_PATH_H_
