// The Windows half of paths: "\" and "/" separate folders, and the file system itself ignores
// letter case, so a path has no other spellings.
#include "text/path.h"

#include <windows.h>

#include "text/wide_text.h"

const char kFolderSeparators[] = "\\/";
const bool kFolderPartStopsAtBar = true;

bool isAbsolutePath(const std::string& path) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  if (!path.empty() && separator(path[0])) return true;
  const bool drive = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                          (path[0] >= 'a' && path[0] <= 'z'));
  return drive && path[1] == ':' && separator(path[2]);
}

std::string pathOfSourceText(const std::string& text, bool) { return text; }

bool namesFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string absoluteFolder(const std::string& folder) {
  if (isAbsolutePath(folder)) return folder;
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring wide(size, L'\0');
  if (size == 0 || GetCurrentDirectoryW(size, &wide[0]) + 1 != size) return folder;
  wide.pop_back();  // the NUL
  std::string working = narrow(wide);
  if (working.back() != '\\' && working.back() != '/') working += '\\';
  return working + folder;
}

std::vector<std::string> PathSpellings::of(const std::string&) { return {}; }
