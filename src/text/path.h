// Paths: splitting one into its folder and its file name (no file system access), and the other
// spellings under which a path written on another system names a file here.
#ifndef GANTRELL_TEXT_PATH_H_
#define GANTRELL_TEXT_PATH_H_

#include <cstddef>
#include <cstdint>
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

/// Tells whether the path names a folder.
bool namesFolder(const std::string& path);

/// Returns the folder with the working folder in front of it when it is relative; a folder ends
/// in a separator ("" stands for the working folder itself).
std::string absoluteFolder(const std::string& folder);

/// Finds the other spellings of paths; keeps the folder listings it reads, each folder once
/// however it was spelled, and no more than a few megabytes of them.
class PathSpellings {
 public:
  /// Returns the spellings to try when `path` does not open: on Linux the path with "\" read as
  /// a folder separator, then that path with each part matched to a folder entry regardless of
  /// letter case; on Windows, where the file system does both, none.
  std::vector<std::string> of(const std::string& path);

 private:
  /// Each folder read so far, by its device and file number: its entries by their names'
  /// foldCase keys.
  std::map<std::pair<uint64_t, uint64_t>, std::map<std::string, std::string>> listings_;
  size_t listedBytes_ = 0;  // what the names in listings_ take, roughly
};

#endif  // GANTRELL_TEXT_PATH_H_
