// Paths: splitting one into its folder and its file name (no file system access), and the other
// spellings under which a path written on another system names a file here.
#ifndef GANTRELL_TEXT_PATH_H_
#define GANTRELL_TEXT_PATH_H_

#include <map>
#include <string>
#include <vector>

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

/// Returns the path that a name read in a source (UTF-8, as every line) opens: on Linux the
/// name's UTF-8 bytes, or its Latin-1 bytes when the source is 8-bit text, so that such a source
/// names files by the bytes it holds; on Windows the UTF-8, which opens through the wide API.
std::string pathOfSourceText(const std::string& text, bool eightBitSource);

/// Finds the other spellings of paths; keeps each folder listing it reads while it lives.
class PathSpellings {
 public:
  /// Returns the spellings to try when `path` does not open: on Linux the path with "\" read as
  /// a folder separator, then that path with each part matched to a folder entry regardless of
  /// letter case; on Windows, where the file system does both, none.
  std::vector<std::string> of(const std::string& path);

 private:
  /// Each folder read so far: its entries by their names' foldCase keys.
  std::map<std::string, std::map<std::string, std::string>> listings_;
};

#endif  // GANTRELL_TEXT_PATH_H_
