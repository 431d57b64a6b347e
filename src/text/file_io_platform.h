// The operating-system half of file access, below the shared buffering in file_io.cpp.
#ifndef GANTRELL_TEXT_FILE_IO_PLATFORM_H_
#define GANTRELL_TEXT_FILE_IO_PLATFORM_H_

#include <cstddef>
#include <string>

#include "text/file_io.h"

/// An operating-system file handle.
struct PlatformFile;

/// Opens an existing file for reading only, or returns null.
PlatformFile* platformOpenForReading(const std::string& path);

/// Creates or empties a file for writing, or returns null.
PlatformFile* platformCreate(const std::string& path);

/// Reads up to `size` bytes; returns the count, 0 at the end and on errors.
size_t platformRead(PlatformFile* file, unsigned char* buffer, size_t size);

/// Writes all `size` bytes; false when the system refused any of them.
bool platformWrite(PlatformFile* file, const unsigned char* buffer, size_t size);

/// Closes the handle; false when the system reported a failure.
bool platformClose(PlatformFile* file);

#endif  // GANTRELL_TEXT_FILE_IO_PLATFORM_H_
