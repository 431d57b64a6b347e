// Helpers shared by the unit tests: scratch folders and files, and a pattern's matches.
#ifndef GANTRELL_TESTS_TEST_SUPPORT_H_
#define GANTRELL_TESTS_TEST_SUPPORT_H_

#include <string>
#include <vector>

struct Pattern;

/// A fresh, empty folder that is removed with everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  /// The folder's path, ending with a folder separator.
  const std::string& path() const { return path_; }

  /// Writes `bytes` to the file at `relative` (creating its folders) and returns its full path.
  std::string write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

/// Returns the bytes of a file, or "<missing>" when it can't be read.
std::string readFileBytes(const std::string& path);

/// Reads a file through file_io as "FORMAT:LINE|LINE|...", or "<none>" when it won't open.
std::string readTextLines(const std::string& path);

/// The successive matches of a pattern through a text (up to its first NUL) as the pattern
/// alone finds them: each search takes the rest of the text as a subject of its own, and the walk
/// goes on behind the first copy of the match in that rest.
std::vector<std::string> matchesOf(const Pattern* pattern, const std::string& text);

/// Tells whether the token pattern alone ends every literal of the text where the lexer does:
/// false where a line holds a third double quote or an escaped string ("~" and a quote), whose
/// literals end where the compiler ends them rather than at the line's last quote.
bool patternEndsLiteralsAsTheLexer(const std::string& text);

#endif  // GANTRELL_TESTS_TEST_SUPPORT_H_
