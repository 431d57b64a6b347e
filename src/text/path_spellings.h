// Other spellings under which a path written on another system names a file here.
#ifndef GANTRELL_TEXT_PATH_SPELLINGS_H_
#define GANTRELL_TEXT_PATH_SPELLINGS_H_

#include <string>
#include <vector>

/// Returns the spellings to try when `path` does not open: on Linux the path with "\" read as a
/// folder separator, then that path with each part matched to a folder entry regardless of letter
/// case; on Windows, where the file system does both, none.
std::vector<std::string> pathSpellings(const std::string& path);

#endif  // GANTRELL_TEXT_PATH_SPELLINGS_H_
