#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "text/file_io_platform.h"

// The handle is a plain descriptor: file_io.cpp keeps the 4096-byte buffer. A replacement also
// knows its temporary file and the file it is to replace.
struct PlatformFile {
  int fd;
  std::string temporary;  // empty when the file is written in place
  std::string target;
};

namespace {

bool fail(std::string* err) {
  if (err != nullptr) *err = std::strerror(errno);
  return false;
}

PlatformFile* openDescriptor(const std::string& path, int flags, std::string* err) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    fail(err);
    return nullptr;
  }
  return new PlatformFile{fd, std::string(), std::string()};
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Syncs a folder so that a rename inside it is on the disk too; failures change nothing.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

PlatformFile* platformOpenForReading(const std::string& path, std::string* err) {
  // Without waiting: a FIFO that nobody writes to would block the open for ever.
  PlatformFile* file = openDescriptor(path, O_RDONLY | O_NONBLOCK, err);
  // A device such as /dev/zero or /dev/urandom never ends: it is no source file.
  struct stat info;
  if (file != nullptr && ::fstat(file->fd, &info) == 0 &&
      (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))) {
    platformClose(file, false, nullptr);
    if (err != nullptr) *err = "Is a device";
    return nullptr;
  }
  return file;
}

PlatformFile* platformCreate(const std::string& path, std::string* err) {
  return openDescriptor(path, O_WRONLY | O_CREAT | O_TRUNC, err);
}

PlatformFile* platformCreateReplacement(const std::string& path, std::string* err) {
  struct stat info;
  const bool exists = ::stat(path.c_str(), &info) == 0;
  struct stat link;
  const bool danglingLink = !exists && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
  // A device, a FIFO or a folder can't be replaced; a link that leads nowhere is written
  // through, so that the link stays.
  if ((exists && !S_ISREG(info.st_mode)) || danglingLink) return platformCreate(path, err);
  std::string target = path;
  if (exists) {
    // Through a symbolic link, the file it leads to is replaced and the link stays.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real != nullptr) target = real;
    std::free(real);
  }
  std::string pattern = folderOf(target) + ".gantrell-XXXXXX";
  const int fd = ::mkostemp(&pattern[0], O_CLOEXEC);
  if (fd < 0) {
    fail(err);
    return nullptr;
  }
  // The replacement keeps the permission bits (and, where allowed, the owner) of the old file;
  // a new file gets what the umask leaves of rw-rw-rw-.
  if (exists) {
    // Only root may give a file away; for anyone else it stays the writer's.
    if (::fchown(fd, info.st_uid, info.st_gid) != 0) errno = 0;
    ::fchmod(fd, info.st_mode & 07777);
  } else {
    ::fchmod(fd, 0666 & ~currentUmask());
  }
  return new PlatformFile{fd, pattern, target};
}

size_t platformRead(PlatformFile* file, unsigned char* buffer, size_t size) {
  ssize_t got;
  do {
    got = ::read(file->fd, buffer, size);
  } while (got < 0 && errno == EINTR);
  // Errors, and a pipe that would make the read wait, count as the end.
  return got > 0 ? static_cast<size_t>(got) : 0;
}

bool platformWrite(PlatformFile* file, const unsigned char* buffer, size_t size,
                   std::string* err) {
  while (size > 0) {
    const ssize_t written = ::write(file->fd, buffer, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return fail(err);
    }
    buffer += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool platformClose(PlatformFile* file, bool keep, std::string* err) {
  const bool replacing = !file->temporary.empty();
  bool ok = true;
  if (replacing && keep && ::fsync(file->fd) != 0) ok = fail(err);
  if (::close(file->fd) != 0 && ok) ok = fail(err);
  if (replacing) {
    if (keep && ok && ::rename(file->temporary.c_str(), file->target.c_str()) != 0)
      ok = fail(err);
    if (keep && ok)
      syncFolder(folderOf(file->target));
    else
      ::unlink(file->temporary.c_str());
  }
  delete file;
  return ok;
}

FileIdentity fileIdentity(const std::string& path) {
  FileIdentity identity;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return identity;
  identity.known = true;
  identity.volume = static_cast<uint64_t>(info.st_dev);
  identity.index = static_cast<uint64_t>(info.st_ino);
  return identity;
}
