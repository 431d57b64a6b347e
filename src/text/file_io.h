// File access: reading source files line by line, writing the output file, and telling files
// apart. The buffering is file_io.cpp; the system calls are the platform halves below
// file_io_platform.h.
#ifndef GANTRELL_TEXT_FILE_IO_H_
#define GANTRELL_TEXT_FILE_IO_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/memory_budget.h"

/// The text format of a source file, announced by its byte-order mark; the numbers are the
/// format codes the program has always used for them.
enum class TextFormat : int32_t {
  Utf8 = 2,        // EF BB BF
  Utf16BE = 4,     // FE FF
  Utf32BE = 6,     // 00 00 FE FF
  PlainBytes = 8,  // no mark: one byte per character
  Utf16LE = 9,     // FF FE
};

/// Tells whether a format's lines are 8-bit text (Latin-1 on Linux, the ANSI code page on
/// Windows); the others are Unicode.
inline bool isEightBitFormat(TextFormat format) {
  return format != TextFormat::Utf8 && format != TextFormat::Utf16LE;
}

/// One open file with its 4096-byte buffer.
struct File;

/// Opens an existing file for reading without waiting, or returns null with the reason in
/// `err`. A path holding a line break names no file that can be opened.
File* openForReading(const std::string& path, std::string* err = nullptr);

/// Opens a new file that takes the place of the one at `path` when closeFile succeeds; until
/// then, and after any failure, the old file stays as it was. A stream of this process
/// (/dev/stdout, /dev/fd/N), a device, a FIFO or a socket is written directly. Null with the
/// reason in `err`, also for a file the user may not write.
File* createReplacement(const std::string& path, std::string* err = nullptr);

/// Reads the byte-order mark of a freshly opened file and positions the file behind it.
TextFormat detectTextFormat(File* file);

/// Tells whether no byte is left to read.
bool atEndOfFile(File* file);

/// Reads the next line without its terminator, as UTF-8 ("" at the end of the file).
std::string readLine(File* file, TextFormat format);

/// Writes the bytes of the text; false once any write has failed.
bool writeText(File* file, const std::string& text);

/// Flushes and closes the file (null is ignored) and puts a replacement in place; false with
/// the reason in `err` when a write, flush, sync, close or rename failed.
bool closeFile(File* file, std::string* err = nullptr);

/// Closes the file without keeping what was written: a replacement's old file stays.
void abandonFile(File* file);

/// Abandons a file whose owner goes without having passed it to closeFile.
struct AbandonFile {
  void operator()(File* file) const { abandonFile(file); }
};

/// An open file with one owner: whatever way the owner goes, the file is closed, and a
/// replacement is only kept through `closeFile(owned.release())`.
using OwnedFile = std::unique_ptr<File, AbandonFile>;

/// The lines of one file, as UTF-8, kept end to end in one text; their memory counts against
/// the memory budget.
struct FileLines {
  TextFormat format = TextFormat::PlainBytes;  // the file's format
  std::basic_string<char, std::char_traits<char>, BudgetAllocator<char>> text;
  std::vector<uint32_t, BudgetAllocator<uint32_t>> ends;  // where each line ends in `text`
  bool tooLarge = false;  // reading stopped: the file holds more bytes than it was allowed

  /// The number of lines.
  size_t count() const { return ends.size(); }
  /// The line at `index`, without a terminator.
  std::string_view line(size_t index) const;
};

/// Reads every line of the file at `path` into `lines` and closes it; false, with the reason in
/// `err`, when it won't open. Every byte of the file counts, NUL bytes and line ends too: past
/// `limit` of them (and past 4 GiB) reading stops and `tooLarge` is set.
bool readAllLines(const std::string& path, FileLines* lines, uint64_t limit = UINT64_MAX,
                  std::string* err = nullptr);

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
/// Each platform half (file_io_posix.cpp, file_io_win32.cpp) implements it.
FileIdentity fileIdentity(const std::string& path);

#endif  // GANTRELL_TEXT_FILE_IO_H_
