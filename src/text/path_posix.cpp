// The POSIX half of paths: "/" alone separates folders, and sources written on Windows are
// found under their other spellings.
#include "text/path.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

#include "text/case_fold.h"
#include "text/code_page.h"

namespace {

// A folder listing goes also when a name can't be stored for lack of memory.
struct CloseFolder {
  void operator()(DIR* dir) const { closedir(dir); }
};

bool exists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

// The entries of a folder by their lower-case names; of names that differ only in letter case,
// the first in byte order. Adds roughly what the names take to `bytes`.
std::map<std::string, std::string> listFolder(const std::string& folder, size_t* bytes) {
  std::map<std::string, std::string> entries;
  const std::unique_ptr<DIR, CloseFolder> dir(opendir(folder.empty() ? "." : folder.c_str()));
  // A listing that can't be made for lack of memory would make the include look missing.
  if (dir == nullptr && errno == ENOMEM) throw std::bad_alloc();
  if (dir == nullptr) return entries;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    std::string& kept = entries[foldCase(name)];
    if (kept.empty() || name < kept) kept = name;
    *bytes += 2 * name.size() + 96;  // both names and the map's node
  }
  return entries;
}

// Listings kept past this many bytes are dropped and read again when needed: a source can name
// thousands of folders.
constexpr size_t kListingBytes = 16 << 20;

}  // namespace

const char kFolderSeparators[] = "/";
const bool kFolderPartStopsAtBar = false;

bool isAbsolutePath(const std::string& path) { return !path.empty() && path[0] == '/'; }

std::string pathOfSourceText(const std::string& text, bool eightBitSource) {
  if (!eightBitSource) return text;
  std::string bytes;
  utf8ToEightBit(text, &bytes);  // exact: the text came from Latin-1
  return bytes;
}

bool namesFolder(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

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
      struct stat folder;
      if (stat(matched.empty() ? "." : matched.c_str(), &folder) != 0) return spellings;
      const std::pair<uint64_t, uint64_t> identity(folder.st_dev, folder.st_ino);
      auto listing = listings_.find(identity);
      if (listing == listings_.end()) {
        if (listedBytes_ > kListingBytes) {
          listings_.clear();
          listedBytes_ = 0;
        }
        listing = listings_.emplace(identity, listFolder(matched, &listedBytes_)).first;
      }
      const auto entry = listing->second.find(foldCase(part));
      if (entry == listing->second.end()) return spellings;
      matched += entry->second;
    }
    if (end < slashed.size()) matched += '/';
    start = end + 1;
  }
  if (matched != slashed) spellings.push_back(matched);
  return spellings;
}
