// The Windows half of paths: "\" and "/" separate folders, and the file system itself ignores
// letter case, so a path has no other spellings.
#include "text/path.h"

#include <windows.h>

const char kFolderSeparators[] = "\\/";
const bool kFolderPartStopsAtBar = true;

bool isAbsolutePath(const std::string& path) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  if (!path.empty() && separator(path[0])) return true;
  const bool drive = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                          (path[0] >= 'a' && path[0] <= 'z'));
  return drive && path[1] == ':' && separator(path[2]);
}

std::string absoluteFolder(const std::string& folder) {
  if (isAbsolutePath(folder)) return folder;
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::string working(size, '\0');
  if (size == 0 || GetCurrentDirectoryA(size, working.data()) + 1 != size) return folder;
  working.pop_back();  // the NUL
  if (working.back() != '\\' && working.back() != '/') working += '\\';
  return working + folder;
}

std::vector<std::string> PathSpellings::of(const std::string&) { return {}; }
