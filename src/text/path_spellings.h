// Other spellings under which a path written on another system names a file here.
#ifndef GANTRELL_TEXT_PATH_SPELLINGS_H_
#define GANTRELL_TEXT_PATH_SPELLINGS_H_

#include <map>
#include <string>
#include <vector>

/// Finds the other spellings of paths; keeps each folder listing it reads while it lives.
class PathSpellings {
 public:
  /// Returns the spellings to try when `path` does not open: on Linux the path with "\" read as
  /// a folder separator, then that path with each part matched to a folder entry regardless of
  /// letter case; on Windows, where the file system does both, none.
  std::vector<std::string> of(const std::string& path);

 private:
  /// Each folder read so far: its entries by their names in lower case (ASCII letters only).
  std::map<std::string, std::map<std::string, std::string>> listings_;
};

#endif  // GANTRELL_TEXT_PATH_SPELLINGS_H_
