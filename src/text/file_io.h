// Buffered file access: reading source files line by line, writing the output file.
#ifndef GANTRELL_TEXT_FILE_IO_H_
#define GANTRELL_TEXT_FILE_IO_H_

#include <cstdint>
#include <string>
#include <vector>

/// The text format of a source file, announced by its byte-order mark.
enum class TextFormat : int32_t {
  Utf8 = 2,
  Utf16BE = 4,
  Utf32BE = 6,
  PlainBytes = 8,
  Utf16LE = 9,
};

/// One open file with its 4096-byte buffer.
struct File;

/// Opens an existing file for reading, or returns null.
File* openForReading(const std::string& path);

/// Creates (or empties) a file and opens it for writing, or returns null.
File* createFile(const std::string& path);

/// Reads the byte-order mark of a freshly opened file and positions the file behind it.
TextFormat detectTextFormat(File* file);

/// Tells whether no byte is left to read.
bool atEndOfFile(File* file);

/// Reads the next line without its terminator ("" at the end of the file).
std::string readLine(File* file, TextFormat format);

/// Writes the bytes of the text; false once any write has failed.
bool writeText(File* file, const std::string& text);

/// Flushes and closes the file (null is ignored); false when a write, flush or close failed.
bool closeFile(File* file);

/// Reads every line of the file at `path` into `lines` and closes it; false when it won't open.
bool readAllLines(const std::string& path, std::vector<std::string>* lines);

/// Identifies the file a path names (device and inode, or volume and file index).
struct FileIdentity {
  bool known = false;
  uint64_t volume = 0;
  uint64_t index = 0;
  bool operator<(const FileIdentity& other) const {
    return volume != other.volume ? volume < other.volume : index < other.index;
  }
};

/// Returns the identity of the file that `path` names; `known` is false when it can't be had.
FileIdentity fileIdentity(const std::string& path);

#endif  // GANTRELL_TEXT_FILE_IO_H_
