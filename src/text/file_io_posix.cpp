#include <sys/stat.h>

#include <cstdio>

#include "text/file_io_platform.h"

// The handle is the C library's stream, unbuffered: file_io.cpp keeps the 4096-byte buffer.
struct PlatformFile {
  FILE* stream;
};

namespace {

PlatformFile* openStream(const std::string& path, const char* mode) {
  FILE* stream = std::fopen(path.c_str(), mode);
  if (stream == nullptr) return nullptr;
  std::setvbuf(stream, nullptr, _IONBF, 0);
  return new PlatformFile{stream};
}

}  // namespace

PlatformFile* platformOpenForReading(const std::string& path) {
  PlatformFile* file = openStream(path, "r");
  // A device such as /dev/zero or /dev/urandom never ends: it is no source file.
  struct stat info;
  if (file != nullptr && ::fstat(::fileno(file->stream), &info) == 0 &&
      (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))) {
    platformClose(file);
    return nullptr;
  }
  return file;
}


size_t platformRead(PlatformFile* file, unsigned char* buffer, size_t size) {
  return std::fread(buffer, 1, size, file->stream);
}

bool platformWrite(PlatformFile* file, const unsigned char* buffer, size_t size) {
  return std::fwrite(buffer, 1, size, file->stream) == size;
}

bool platformClose(PlatformFile* file) {
  const bool ok = std::fclose(file->stream) == 0;
  delete file;
  return ok;
}

PlatformFile* platformCreate(const std::string& path) { return openStream(path, "w+"); }

FileIdentity fileIdentity(const std::string& path) {
  FileIdentity identity;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return identity;
  identity.known = true;
  identity.volume = static_cast<uint64_t>(info.st_dev);
  identity.index = static_cast<uint64_t>(info.st_ino);
  return identity;
}
