#include <windows.h>

#include <memory>

#include "text/file_io_platform.h"
#include "text/path.h"
#include "text/wide_text.h"

// A replacement also knows its temporary file and the file it is to replace, in the system's
// wide form: closing it then needs no conversion that could fail to allocate.
struct PlatformFile {
  HANDLE handle;
  bool pipe;               // reads never wait for a pipe's writer
  std::wstring temporary;  // empty when the file is written in place
  std::wstring target;
};

namespace {

// Frees the buffers the system allocates for its messages.
struct FreeLocal {
  void operator()(wchar_t* buffer) const { LocalFree(buffer); }
};

bool fail(std::string* err) {
  const DWORD code = GetLastError();
  if (err == nullptr) return false;
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  // Freed also when the reason's text can't be allocated.
  const std::unique_ptr<wchar_t, FreeLocal> owned(text);
  std::string reason = length > 0 && text != nullptr ? narrow(std::wstring_view(text, length))
                                                      : "Error " + std::to_string(code);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.'))
    reason.pop_back();
  *err = reason;
  return false;
}

// Hands `file` to the caller with the system's handle in it; an invalid handle gives null, and
// `file` goes. Callers make `file` before they open the file: no allocation may fail once it is
// open, or its handle would stay open.
PlatformFile* adopt(std::unique_ptr<PlatformFile> file, HANDLE handle, std::string* err) {
  if (handle == INVALID_HANDLE_VALUE) {
    fail(err);
    return nullptr;
  }
  file->handle = handle;
  return file.release();
}

std::unique_ptr<PlatformFile> newPlatformFile() {
  return std::unique_ptr<PlatformFile>(
      new PlatformFile{INVALID_HANDLE_VALUE, false, std::wstring(), std::wstring()});
}

// Tells whether the path names something other than a file on a disk: a folder, a device, a
// pipe. Those are written in place.
bool namesNoRegularFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(widen(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return true;
  HANDLE handle = CreateFileW(widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool disk = GetFileType(handle) == FILE_TYPE_DISK;
  CloseHandle(handle);
  return !disk;
}

// The temporary file that Ctrl+C, Ctrl+Break or closing the console removes before the
// program ends as it otherwise would.
const wchar_t* volatile pendingTemporary = nullptr;

BOOL WINAPI removeTemporaryOnStop(DWORD) {
  const wchar_t* path = pendingTemporary;
  if (path != nullptr) DeleteFileW(path);
  return FALSE;  // the next handler, finally the system's, ends the program
}

void catchConsoleStops() {
  static bool caught = false;
  if (!caught) caught = SetConsoleCtrlHandler(removeTemporaryOnStop, TRUE) != 0;
}

}  // namespace

PlatformFile* platformOpenForReading(const std::string& path, std::string* err) {
  std::unique_ptr<PlatformFile> made = newPlatformFile();
  const std::wstring wide = widen(path);
  PlatformFile* file = adopt(std::move(made),
                             CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                             err);
  if (file == nullptr) return nullptr;
  const DWORD type = GetFileType(file->handle);
  // A console or another device never ends: it is no source file.
  if (type == FILE_TYPE_CHAR) {
    platformClose(file, false, nullptr);
    if (err != nullptr) *err = "Is a device";
    return nullptr;
  }
  file->pipe = type == FILE_TYPE_PIPE;
  return file;
}

PlatformFile* platformCreate(const std::string& path, std::string* err) {
  std::unique_ptr<PlatformFile> file = newPlatformFile();
  const std::wstring wide = widen(path);
  HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  return adopt(std::move(file), handle, err);
}

PlatformFile* platformCreateReplacement(const std::string& path, std::string* err) {
  if (namesNoRegularFile(path)) return platformCreate(path, err);
  const std::string folder = exactFolderPart(path);
  // Made before the temporary file, so that nothing fails to allocate once it exists.
  std::unique_ptr<PlatformFile> file(new PlatformFile{
      INVALID_HANDLE_VALUE, false, std::wstring(MAX_PATH + 1, L'\0'), widen(path)});
  const std::wstring wideFolder = widen(folder.empty() ? "." : folder);
  catchConsoleStops();
  wchar_t* temporary = &file->temporary[0];
  if (GetTempFileNameW(wideFolder.c_str(), L"gan", 0, temporary) == 0) {
    fail(err);
    return nullptr;
  }
  file->temporary.resize(wcslen(temporary));
  pendingTemporary = file->temporary.c_str();
  // Others may delete it meanwhile: the console's stop handler does.
  file->handle = CreateFileW(file->temporary.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                             TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file->handle == INVALID_HANDLE_VALUE) {
    fail(err);
    pendingTemporary = nullptr;
    DeleteFileW(file->temporary.c_str());
    return nullptr;
  }
  return file.release();
}

size_t platformRead(PlatformFile* file, unsigned char* buffer, size_t size) {
  // A pipe with nothing waiting in it would block the read: that counts as its end.
  DWORD waiting = 0;
  if (file->pipe &&
      (!PeekNamedPipe(file->handle, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0))
    return 0;
  DWORD got = 0;
  if (!ReadFile(file->handle, buffer, static_cast<DWORD>(size), &got, nullptr)) return 0;
  return got;
}

bool platformWrite(PlatformFile* file, const unsigned char* buffer, size_t size,
                   std::string* err) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(file->handle, buffer, static_cast<DWORD>(size), &written, nullptr))
      return fail(err);
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return fail(err);
    }
    buffer += written;
    size -= written;
  }
  return true;
}

bool platformClose(PlatformFile* file, bool keep, std::string* err) {
  const std::unique_ptr<PlatformFile> owned(file);
  const bool replacing = !file->temporary.empty();
  // The reason is kept as a number until everything is released: its text could fail to
  // allocate, and the temporary file must not stay.
  DWORD error = 0;
  const auto failed = [&error] {
    if (error == 0) error = GetLastError();
  };
  if (replacing && keep && !FlushFileBuffers(file->handle)) failed();
  if (!CloseHandle(file->handle)) failed();
  if (replacing) {
    if (keep && error == 0 &&
        !MoveFileExW(file->temporary.c_str(), file->target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      failed();
    if (!keep || error != 0) DeleteFileW(file->temporary.c_str());
    pendingTemporary = nullptr;
  }
  if (error == 0) return true;
  SetLastError(error);
  return fail(err);
}

FileIdentity fileIdentity(const std::string& path) {
  FileIdentity identity;
  HANDLE handle =
      CreateFileW(widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
