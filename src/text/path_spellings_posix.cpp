#include "text/path_spellings.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

bool exists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

// The entry of `folder` whose name equals `name` but for ASCII letter case; the first in byte
// order when there are several; "" when there is none.
std::string entryIgnoringCase(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return "";
  std::string found;
  while (const dirent* entry = readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (candidate.size() == name.size() && strcasecmp(candidate.c_str(), name.c_str()) == 0 &&
        (found.empty() || candidate < found))
      found = candidate;
  }
  closedir(dir);
  return found;
}

// The path with every part that does not exist as spelled replaced by a folder entry that
// differs only in letter case; "" when some part has no such entry.
std::string matchIgnoringCase(const std::string& path) {
  std::string matched = path[0] == '/' ? "/" : "";
  size_t start = matched.size();
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == ".." || exists(matched + part)) {
      matched += part;
    } else {
      const std::string entry = entryIgnoringCase(matched, part);
      if (entry.empty()) return "";
      matched += entry;
    }
    if (end < path.size()) matched += '/';
    start = end + 1;
  }
  return matched;
}

}  // namespace

std::vector<std::string> pathSpellings(const std::string& path) {
  std::vector<std::string> spellings;
  if (path.empty()) return spellings;
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  if (slashed != path) spellings.push_back(slashed);
  const std::string matched = matchIgnoringCase(slashed);
  if (!matched.empty() && matched != slashed) spellings.push_back(matched);
  return spellings;
}
