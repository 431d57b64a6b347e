#include <windows.h>

#include "text/file_io_platform.h"

struct PlatformFile {
  HANDLE handle;
};

namespace {

PlatformFile* wrap(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? nullptr : new PlatformFile{handle};
}

}  // namespace

PlatformFile* platformOpenForReading(const std::string& path) {
  return wrap(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

PlatformFile* platformCreate(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  return wrap(handle);
}

size_t platformRead(PlatformFile* file, unsigned char* buffer, size_t size) {
  DWORD got = 0;
  if (!ReadFile(file->handle, buffer, static_cast<DWORD>(size), &got, nullptr)) return 0;
  return got;
}

bool platformWrite(PlatformFile* file, const unsigned char* buffer, size_t size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(file->handle, buffer, static_cast<DWORD>(size), &written, nullptr) ||
        written == 0)
      return false;
    buffer += written;
    size -= written;
  }
  return true;
}

bool platformClose(PlatformFile* file) {
  const bool ok = CloseHandle(file->handle) != 0;
  delete file;
  return ok;
}

FileIdentity fileIdentity(const std::string& path) {
  FileIdentity identity;
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return identity;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(handle, &info)) {
    identity.known = true;
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  }
  CloseHandle(handle);
  return identity;
}
