// The operating-system half of file access, below the shared buffering in file_io.cpp.
#ifndef GANTRELL_TEXT_FILE_IO_PLATFORM_H_
#define GANTRELL_TEXT_FILE_IO_PLATFORM_H_

#include <cstddef>
#include <string>

#include "text/file_io.h"

/// An operating-system file handle.
struct PlatformFile;

/// Opens an existing file for reading only, without waiting; null with the reason in `err`.
PlatformFile* platformOpenForReading(const std::string& path, std::string* err);

/// Creates or empties a file for writing only; null with the reason in `err`.
PlatformFile* platformCreate(const std::string& path, std::string* err);

/// Opens the way to replace the file `path` finally names, completed by platformClose: a
/// temporary file beside it or, where that would change the file's owner or mode, the file
/// itself; a stream, device, FIFO or socket is opened for writing directly.
PlatformFile* platformCreateReplacement(const std::string& path, std::string* err);

/// Reads up to `size` bytes; returns the count, 0 at the end, on errors and when a read would
/// have to wait.
size_t platformRead(PlatformFile* file, unsigned char* buffer, size_t size);

/// Writes all `size` bytes; false with the reason in `err` when the system refused any.
bool platformWrite(PlatformFile* file, const unsigned char* buffer, size_t size,
                   std::string* err);

/// Closes the handle. A replacement is synced and put in place when `keep` is true and dropped
/// otherwise. False with the reason in `err` when anything failed.
bool platformClose(PlatformFile* file, bool keep, std::string* err);

#endif  // GANTRELL_TEXT_FILE_IO_PLATFORM_H_
