#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "text/file_io_platform.h"
#include "text/path.h"

namespace {

/// How the bytes written reach the file the user named.
enum class WriteMode {
  Direct,     // the descriptor is the output itself: a stream, a device, a FIFO, a socket
  Temporary,  // a temporary file renamed over the target on success
  InPlace,    // held until the close, then written over the target's own bytes
};

}  // namespace

// The handle is a plain descriptor: file_io.cpp keeps the 4096-byte buffer. A replacement also
// knows its temporary file and the file it is to replace; an in-place rewrite holds its bytes.
struct PlatformFile {
  int fd = -1;
  WriteMode mode = WriteMode::Direct;
  std::string temporary;
  std::string target;
  std::string pending;  // the bytes of an in-place rewrite
};

namespace {

bool fail(std::string* err) {
  if (err != nullptr) *err = std::strerror(errno);
  return false;
}

int openRetrying(const char* path, int flags) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC | O_NOCTTY, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Hands `file` to the caller with the descriptor in it; a descriptor that is no good gives null,
// and `file` goes. Callers make `file` before they open the descriptor: no allocation may fail
// once it is open, or it would stay open.
PlatformFile* adopt(std::unique_ptr<PlatformFile> file, int fd, std::string* err) {
  if (fd < 0) {
    fail(err);
    return nullptr;
  }
  file->fd = fd;
  return file.release();
}

PlatformFile* openDescriptor(const std::string& path, int flags, std::string* err) {
  auto file = std::make_unique<PlatformFile>();
  return adopt(std::move(file), openRetrying(path.c_str(), flags), err);
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

// --- Interruption. SIGINT, SIGTERM and SIGHUP remove the temporary file being written and then
// end the program by the same signal, as if it had not been caught.

const int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary file the handler removes; set and cleared with the signals blocked.
const char* volatile pendingTemporary = nullptr;
// During a rewrite in place a signal is only noted, and raised again once the file is whole:
// blocking it covers this thread only, and a desktop program has others.
volatile sig_atomic_t rewriting = 0;
volatile sig_atomic_t signalDuringRewrite = 0;

extern "C" void removeTemporaryAndDie(int signal) {
  if (rewriting != 0) {
    signalDuringRewrite = signal;
    return;
  }
  const char* path = pendingTemporary;
  if (path != nullptr) ::unlink(path);
  ::signal(signal, SIG_DFL);
  ::raise(signal);  // delivered once the handler returns, with the default action
}

sigset_t stopSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kStopSignals) sigaddset(&set, signal);
  return set;
}

// Blocks the stop signals for its lifetime; a signal that arrives meanwhile waits.
class StopSignalsBlocked {
 public:
  StopSignalsBlocked() {
    const sigset_t set = stopSignals();
    ::sigprocmask(SIG_BLOCK, &set, &old_);
  }
  ~StopSignalsBlocked() { ::sigprocmask(SIG_SETMASK, &old_, nullptr); }
  StopSignalsBlocked(const StopSignalsBlocked&) = delete;
  StopSignalsBlocked& operator=(const StopSignalsBlocked&) = delete;

 private:
  sigset_t old_;
};

// Catches the stop signals the program does not ignore (a `nohup` run keeps ignoring SIGHUP).
void catchStopSignals() {
  static bool caught = false;
  if (caught) return;
  caught = true;
  for (const int signal : kStopSignals) {
    struct sigaction old;
    if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = removeTemporaryAndDie;
    sigfillset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

void setPendingTemporary(const char* path) {
  StopSignalsBlocked blocked;
  pendingTemporary = path;
}

// --- Streams. /dev/stdout, /dev/fd/N, /proc/self/fd/N and links that end there name a
// descriptor of this process: that descriptor is written as it is.

// Parses "/proc/PID/fd" or "/proc/PID/task/TID/fd" (a folder, resolved); false for other folders.
bool parseDescriptorFolder(const char* folder, long* pid) {
  const char* rest = folder;
  if (std::strncmp(rest, "/proc/", 6) != 0) return false;
  char* end = nullptr;
  *pid = std::strtol(rest + 6, &end, 10);
  if (end == rest + 6) return false;
  if (std::strncmp(end, "/task/", 6) == 0) {
    const char* tid = end + 6;
    std::strtol(tid, &end, 10);
    if (end == tid) return false;
  }
  return std::strcmp(end, "/fd") == 0;
}

bool allDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

/// What a path leads to when it names a process's descriptor.
struct DescriptorName {
  bool found = false;
  bool ownProcess = false;
  int descriptor = -1;
};

// Follows the path's symbolic links one at a time, without entering the descriptor folders'
// links (whose targets are no paths), up to the first name inside such a folder.
DescriptorName findDescriptorName(std::string path) {
  DescriptorName name;
  for (int hops = 0; hops < 40; ++hops) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved) == nullptr) {
      if (errno == ENOMEM) throw std::bad_alloc();
      return name;
    }
    long pid = 0;
    if (parseDescriptorFolder(resolved, &pid) && allDigits(last)) {
      name.found = true;
      name.ownProcess = pid == static_cast<long>(::getpid());
      name.descriptor = static_cast<int>(std::strtol(last.c_str(), nullptr, 10));
      return name;
    }
    char link[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), link, sizeof link - 1);
    if (length <= 0) return name;
    link[length] = '\0';
    path = link[0] == '/' ? std::string(link) : std::string(resolved) + "/" + link;
  }
  return name;
}

// Opens a socket's path as a client, stream first, then datagrams.
int connectSocket(const std::string& path) {
  struct sockaddr_un address;
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) {
    errno = ENAMETOOLONG;
    return -1;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size());
  for (const int type : {SOCK_STREAM, SOCK_DGRAM}) {
    const int fd = ::socket(AF_UNIX, type | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<struct sockaddr*>(&address), sizeof address) == 0) return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    if (error != EPROTOTYPE) return -1;
  }
  return -1;
}

// --- Replacing a regular file.

// Creates the temporary file that closing renames over `file->target`, in the same folder so
// that the rename can't cross file systems, and lets the stop signals remove it meanwhile;
// -1 with errno set when the folder takes no new file.
int makeTemporaryBeside(PlatformFile* file) {
  file->temporary = exactFolderPart(file->target) + ".gantrell-XXXXXX";
  catchStopSignals();
  setPendingTemporary(file->temporary.c_str());
  const int fd = ::mkostemp(&file->temporary[0], O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    setPendingTemporary(nullptr);
    errno = error;
  }
  return fd;
}

// Tells whether a file made by this process could take the place of `info`'s file unchanged:
// the temporary file `fd` got the old owner, group and mode.
bool keepsOwnerAndMode(int fd, const struct stat& info) {
  // Only root may give a file away; for anyone else it stays the writer's.
  if (::fchown(fd, info.st_uid, info.st_gid) != 0) errno = 0;
  ::fchmod(fd, info.st_mode & 07777);
  struct stat made;
  return ::fstat(fd, &made) == 0 && made.st_uid == info.st_uid && made.st_gid == info.st_gid &&
         (made.st_mode & 07777) == (info.st_mode & 07777);
}

// Writes all bytes at the offset; false with errno set when the system refused any.
bool writeAllAt(int fd, const char* bytes, size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t written = ::pwrite(fd, bytes, size, offset);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    bytes += written;
    size -= static_cast<size_t>(written);
    offset += written;
  }
  return true;
}

// Rewrites the file with the bytes: the space is reserved first, so that a full disk fails
// before the first byte changes; the stop signals wait until the file is whole and synced.
bool rewriteInPlace(int fd, const std::string& bytes) {
  const off_t length = static_cast<off_t>(bytes.size());
  // A file system that can't reserve is written without: there is no other way to ask it.
  if (length > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, length) != 0 &&
      errno != EOPNOTSUPP && errno != ENOSYS)
    return false;
  bool written;
  {
    StopSignalsBlocked blocked;
    rewriting = 1;
    written = writeAllAt(fd, bytes.data(), bytes.size(), 0) && ::ftruncate(fd, length) == 0 &&
              ::fsync(fd) == 0;
    rewriting = 0;
  }
  if (signalDuringRewrite != 0) ::raise(signalDuringRewrite);
  return written;
}

// Opens the way to replace an existing regular file: a temporary file beside it, or the file
// itself where a new file would not get its owner and mode.
PlatformFile* replaceRegularFile(const std::string& path, const struct stat& info,
                                 std::string* err) {
  // As the shell's `>`: a file the user may not write is not written, whatever the folder allows.
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
    fail(err);
    return nullptr;
  }
  auto file = std::make_unique<PlatformFile>();
  // Through a symbolic link, the file it leads to is replaced and the link stays.
  char real[PATH_MAX];
  if (::realpath(path.c_str(), real) == nullptr) {
    if (errno == ENOMEM) throw std::bad_alloc();
    fail(err);
    return nullptr;
  }
  file->target = real;
  const int fd = makeTemporaryBeside(file.get());
  if (fd >= 0 && keepsOwnerAndMode(fd, info)) {
    file->fd = fd;
    file->mode = WriteMode::Temporary;
    return file.release();
  }
  // The new file would differ from the old one, or the folder takes no new file: the old file
  // itself is written, with no temporary file.
  if (fd >= 0) {
    ::unlink(file->temporary.c_str());
    ::close(fd);
  }
  setPendingTemporary(nullptr);
  file->temporary.clear();
  file->mode = WriteMode::InPlace;
  const int original = openRetrying(file->target.c_str(), O_WRONLY);
  return adopt(std::move(file), original, err);
}

// Opens a file that does not exist yet as a temporary file: the name appears only once whole.
PlatformFile* createNewFile(const std::string& path, std::string* err) {
  auto file = std::make_unique<PlatformFile>();
  file->target = path;
  const int fd = makeTemporaryBeside(file.get());
  if (fd < 0) return adopt(std::move(file), fd, err);
  // A new file gets what the umask leaves of rw-rw-rw-.
  ::fchmod(fd, 0666 & ~currentUmask());
  file->fd = fd;
  file->mode = WriteMode::Temporary;
  return file.release();
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
  const DescriptorName stream = findDescriptorName(path);
  if (stream.found) {
    if (!stream.ownProcess) {
      if (err != nullptr) *err = "Another process's descriptor";
      return nullptr;
    }
    // A duplicate shares the descriptor's offset and append mode: `-o /dev/stdout >> log`
    // appends to the log.
    auto file = std::make_unique<PlatformFile>();
    return adopt(std::move(file), ::fcntl(stream.descriptor, F_DUPFD_CLOEXEC, 3), err);
  }
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    struct stat link;
    // A link that leads nowhere is written through, so that the link stays.
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
      return platformCreate(path, err);
    return createNewFile(path, err);
  }
  if (S_ISREG(info.st_mode)) return replaceRegularFile(path, info, err);
  // A device, a FIFO (which waits for its reader, as the shell's `>` does) or a socket is
  // written directly; a folder fails to open.
  auto file = std::make_unique<PlatformFile>();
  const int fd = S_ISSOCK(info.st_mode) ? connectSocket(path) : openRetrying(path.c_str(), O_WRONLY);
  return adopt(std::move(file), fd, err);
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
  if (file->mode == WriteMode::InPlace) {
    file->pending.append(reinterpret_cast<const char*>(buffer), size);
    return true;
  }
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
  std::unique_ptr<PlatformFile> owned(file);
  // The reason is kept as a number until everything is released: turning it into text allocates.
  int error = 0;
  const auto failed = [&error] {
    if (error == 0) error = errno;
  };
  if (file->mode == WriteMode::Temporary && keep && ::fsync(file->fd) != 0) failed();
  if (file->mode == WriteMode::InPlace && keep && !rewriteInPlace(file->fd, file->pending))
    failed();
  if (::close(file->fd) != 0) failed();
  if (file->mode == WriteMode::Temporary) {
    {
      StopSignalsBlocked blocked;
      if (keep && error == 0 && ::rename(file->temporary.c_str(), file->target.c_str()) != 0)
        failed();
      if (!keep || error != 0) ::unlink(file->temporary.c_str());
      pendingTemporary = nullptr;
    }
    if (keep && error == 0) {
      // Cut to the folder in place: a new string could fail to allocate.
      const size_t slash = file->target.rfind('/');
      file->target.resize(slash == std::string::npos ? 0 : slash + 1);
      syncFolder(file->target);
    }
  }
  owned.reset();
  if (error == 0) return true;
  if (err != nullptr) *err = std::strerror(error);
  return false;
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
