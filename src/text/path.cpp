#include "text/path.h"

#include <cstring>

namespace {

// Index just behind the last folder separator (0 when there is none), searched up to `end`.
size_t nameStart(const std::string& path, size_t begin, size_t end) {
  size_t start = begin;
  for (size_t i = begin; i < end; ++i)
    if (std::strchr(kFolderSeparators, path[i]) != nullptr && path[i] != '\0') start = i + 1;
  return start;
}

// A path may come with one double quote in front of it; it is never part of either half.
size_t pathBegin(const std::string& path) { return !path.empty() && path[0] == '"' ? 1 : 0; }

}  // namespace

std::string folderPart(const std::string& path) {
  const size_t begin = pathBegin(path);
  size_t end = path.size();
  if (kFolderPartStopsAtBar) {
    const size_t bar = path.find('|', begin);
    if (bar != std::string::npos) end = bar;
  }
  return path.substr(begin, nameStart(path, begin, end) - begin);
}

std::string fileNamePart(const std::string& path) {
  const size_t start = nameStart(path, pathBegin(path), path.size());
  const size_t quote = path.find('"', start);
  return path.substr(start, quote == std::string::npos ? std::string::npos : quote - start);
}

std::string exactFolderPart(const std::string& path) {
  return path.substr(0, nameStart(path, 0, path.size()));
}
