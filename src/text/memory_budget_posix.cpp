// The POSIX half of the memory budget: the limit of the process's memory cgroup, or the
// machine's physical memory.
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "text/memory_budget.h"

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

// A limit file's number; UINT64_MAX for "max", a file that can't be read or anything else.
uint64_t readLimit(const std::string& path) {
  std::ifstream in(path);
  std::string word;
  if (!(in >> word) || word.find_first_not_of("0123456789") != std::string::npos) return UINT64_MAX;
  try {
    return std::stoull(word);
  } catch (...) {
    return UINT64_MAX;
  }
}

// Where a cgroup hierarchy is mounted, and which of its cgroups the mount shows as its root.
struct Mount {
  std::string point;
  std::string root;
};

// The lowest limit in `file` from the process's cgroup `path` up to the top of the mount: a
// limit set on a parent holds for its children too.
uint64_t lowestOnTheWayUp(const Mount& mount, std::string path, const std::string& file,
                          const std::string& root) {
  if (mount.point.empty() || path.empty()) return UINT64_MAX;
  // Seen from inside a cgroup namespace the mount's root can stand for the process's cgroup.
  if (mount.root != "/" && path.compare(0, mount.root.size(), mount.root) == 0)
    path = path.substr(mount.root.size());
  uint64_t lowest = UINT64_MAX;
  for (;;) {
    const uint64_t limit = readLimit(root + mount.point + path + "/" + file);
    if (limit < lowest) lowest = limit;
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || path.empty()) break;
    path.resize(slash);
  }
  return lowest;
}

}  // namespace

uint64_t systemMemoryLimit(const std::string& root) {
  // /proc/self/cgroup: "0::PATH" for cgroup v2, "ID:CONTROLLERS:PATH" for each v1 hierarchy.
  std::string v2Path, v1Path;
  std::ifstream groups(root + "/proc/self/cgroup");
  for (std::string line; std::getline(groups, line);) {
    const size_t first = line.find(':');
    const size_t second = first == std::string::npos ? first : line.find(':', first + 1);
    if (second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    if (line.compare(0, first, "0") == 0 && controllers.empty()) v2Path = line.substr(second + 1);
    for (const std::string& controller : split(controllers, ','))
      if (controller == "memory") v1Path = line.substr(second + 1);
  }
  // /proc/self/mountinfo: "ID PARENT DEV ROOT POINT OPTIONS [TAGS] - TYPE SOURCE SUPER-OPTIONS".
  Mount v2, v1;
  std::ifstream mounts(root + "/proc/self/mountinfo");
  for (std::string line; std::getline(mounts, line);) {
    const std::vector<std::string> fields = split(line, ' ');
    size_t dash = 0;
    while (dash < fields.size() && fields[dash] != "-") ++dash;
    if (fields.size() < 5 || dash + 3 >= fields.size()) continue;
    const Mount mount = {fields[4], fields[3]};
    if (fields[dash + 1] == "cgroup2" && v2.point.empty()) v2 = mount;
    if (fields[dash + 1] == "cgroup" && v1.point.empty())
      for (const std::string& option : split(fields[dash + 3], ','))
        if (option == "memory") v1 = mount;
  }
  uint64_t limit = lowestOnTheWayUp(v2, v2Path, "memory.max", root);
  const uint64_t v1Limit = lowestOnTheWayUp(v1, v1Path, "memory.limit_in_bytes", root);
  if (v1Limit < limit) limit = v1Limit;
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages > 0 && pageSize > 0) {
    const uint64_t physical = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
    if (physical < limit) limit = physical;
  }
  return limit;
}
