// The POSIX half of paths: "/" alone separates folders, and sources written on Windows are
// found under their other spellings.
#include "text/path.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

bool exists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

std::string asciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The entries of a folder by their lower-case names; of names that differ only in letter case,
// the first in byte order.
std::map<std::string, std::string> listFolder(const std::string& folder) {
  std::map<std::string, std::string> entries;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    std::string& kept = entries[asciiLower(name)];
    if (kept.empty() || name < kept) kept = name;
  }
  closedir(dir);
  return entries;
}

}  // namespace

const char kFolderSeparators[] = "/";
const bool kFolderPartStopsAtBar = false;

bool isAbsolutePath(const std::string& path) { return !path.empty() && path[0] == '/'; }

std::string absoluteFolder(const std::string& folder) {
  if (isAbsolutePath(folder)) return folder;
  std::vector<char> working(4096);
  while (getcwd(working.data(), working.size()) == nullptr) {
    if (errno != ERANGE) return folder;
    working.resize(working.size() * 2);
  }
  std::string absolute = working.data();
  if (absolute.back() != '/') absolute += '/';
  return absolute + folder;
}

std::vector<std::string> PathSpellings::of(const std::string& path) {
  std::vector<std::string> spellings;
  if (path.empty()) return spellings;
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  if (slashed != path) spellings.push_back(slashed);

  // Every part that does not exist as spelled is replaced by the folder entry that differs from
  // it only in letter case; when some part has none, there is no such spelling.
  std::string matched = slashed[0] == '/' ? "/" : "";
  for (size_t start = matched.size(); start <= slashed.size();) {
    size_t end = slashed.find('/', start);
    if (end == std::string::npos) end = slashed.size();
    const std::string part = slashed.substr(start, end - start);
    if (part.empty() || part == "." || part == ".." || exists(matched + part)) {
      matched += part;
    } else {
      auto listing = listings_.find(matched);
      if (listing == listings_.end()) listing = listings_.emplace(matched, listFolder(matched)).first;
      const auto entry = listing->second.find(asciiLower(part));
      if (entry == listing->second.end()) return spellings;
      matched += entry->second;
    }
    if (end < slashed.size()) matched += '/';
    start = end + 1;
  }
  if (matched != slashed) spellings.push_back(matched);
  return spellings;
}
