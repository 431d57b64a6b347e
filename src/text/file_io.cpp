#include "text/file_io.h"

#include <cstring>
#include <memory>
#include <vector>

#include "text/code_page.h"
#include "text/file_io_platform.h"
#include "text/utf8_decode.h"

namespace {

constexpr size_t kBufferSize = 4096;

}  // namespace

// The file owns its handle: closeFile hands it to platformClose; a file that goes any other way
// (abandonFile, an exception) drops it, so a replacement's old file stays.
struct File {
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() {
    if (os != nullptr) platformClose(os, false, nullptr);
  }

  PlatformFile* os = nullptr;
  unsigned char buffer[kBufferSize];
  size_t pos = 0;  // next byte to read, or first byte not yet written
  size_t len = 0;  // bytes held in the buffer when reading
  uint64_t fetched = 0;  // bytes read from the system so far
  bool writing = false;
  bool writeFailed = false;
  std::string writeError;  // the reason of the first failed write
};

namespace {

// Makes at least `wanted` unread bytes available when the file still has them; returns how many
// are available (fewer only at the end of the file).
size_t ensureAvailable(File* file, size_t wanted) {
  size_t available = file->len - file->pos;
  if (available >= wanted) return available;
  std::memmove(file->buffer, file->buffer + file->pos, available);
  file->pos = 0;
  file->len = available;
  while (file->len < wanted) {
    const size_t got = platformRead(file->os, file->buffer + file->len, kBufferSize - file->len);
    if (got == 0) break;
    file->len += got;
    file->fetched += got;
  }
  return file->len;
}

// The bytes of the file read so far, whether they went into a line or not.
uint64_t consumed(const File* file) { return file->fetched - (file->len - file->pos); }

// Appends the bytes of one line up to LF, CR, CR LF or the end to `line`; NUL bytes are dropped.
// Stops early once more than `limit` bytes of the file have been read.
template <class Text>
void readRawLine(File* file, Text* line, uint64_t limit) {
  while (consumed(file) <= limit && ensureAvailable(file, 1) > 0) {
    // Take the buffer's bytes up to the next LF or CR at once, then drop its NUL bytes: each
    // byte is looked at a fixed number of times, however the NUL bytes lie.
    const unsigned char* start = file->buffer + file->pos;
    const unsigned char* end = file->buffer + file->len;
    const unsigned char* stop = end;
    for (const int wanted : {int{'\n'}, int{'\r'}}) {
      const void* found = std::memchr(start, wanted, static_cast<size_t>(stop - start));
      if (found != nullptr) stop = static_cast<const unsigned char*>(found);
    }
    const size_t taken = static_cast<size_t>(stop - start);
    if (std::memchr(start, 0, taken) == nullptr) {
      line->append(reinterpret_cast<const char*>(start), taken);
    } else {
      for (const unsigned char* at = start; at < stop; ++at)
        if (*at != 0) line->push_back(static_cast<char>(*at));
    }
    file->pos += taken;
    if (stop == end) continue;
    const unsigned char byte = file->buffer[file->pos++];
    if (byte == '\n') break;
    if (byte == '\r') {
      if (ensureAvailable(file, 1) > 0 && file->buffer[file->pos] == '\n') ++file->pos;
      break;
    }
  }
}

uint16_t unitAt(const File* file) {
  return static_cast<uint16_t>(file->buffer[file->pos] | (file->buffer[file->pos + 1] << 8));
}

// Collects the 16-bit little-endian units of one line; zero units are dropped. A lone byte left
// at the end of the file can't form a unit and is consumed, so reading always ends. Stops early
// once more than `limit` bytes of the file have been read.
std::vector<uint16_t> readUtf16LeLine(File* file, uint64_t limit) {
  std::vector<uint16_t> units;
  while (consumed(file) <= limit && ensureAvailable(file, 2) >= 2) {
    const uint16_t unit = unitAt(file);
    file->pos += 2;
    if (unit == '\n') break;
    if (unit == '\r') {
      if (ensureAvailable(file, 2) >= 2 && unitAt(file) == '\n') file->pos += 2;
      break;
    }
    if (unit != 0) units.push_back(unit);
  }
  if (ensureAvailable(file, 2) == 1) ++file->pos;
  return units;
}

bool flushBuffer(File* file) {
  if (file->pos > 0 && !file->writeFailed &&
      !platformWrite(file->os, file->buffer, file->pos, &file->writeError))
    file->writeFailed = true;
  file->pos = 0;
  return !file->writeFailed;
}

// The buffer is made before the file is opened: once a replacement's temporary file exists,
// nothing may fail to allocate before the caller owns it.
template <typename Open>
File* openWith(bool writing, Open open) {
  std::unique_ptr<File> file(new File);
  file->writing = writing;
  file->os = open();
  return file->os == nullptr ? nullptr : file.release();
}

}  // namespace

File* openForReading(const std::string& path, std::string* err) {
  // A line break would end the marker line that names the file in the combined text.
  if (path.find_first_of("\r\n") != std::string::npos) {
    if (err != nullptr) *err = "Line break in the file name";
    return nullptr;
  }
  return openWith(false, [&] { return platformOpenForReading(path, err); });
}

File* createReplacement(const std::string& path, std::string* err) {
  return openWith(true, [&] { return platformCreateReplacement(path, err); });
}

TextFormat detectTextFormat(File* file) {
  const size_t got = ensureAvailable(file, 4);
  const unsigned char* b = file->buffer + file->pos;
  TextFormat format = TextFormat::PlainBytes;
  size_t skip = 0;
  if (got >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
    format = TextFormat::Utf16LE;
    skip = 2;
  } else if (got >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
    format = TextFormat::Utf8;
    skip = 3;
  } else if (got >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
    format = TextFormat::Utf16BE;
    skip = 2;
  } else if (got >= 4 && b[0] == 0x00 && b[1] == 0x00 && b[2] == 0xFE && b[3] == 0xFF) {
    format = TextFormat::Utf32BE;
    skip = 4;
  }
  file->pos += skip;
  return format;
}

bool atEndOfFile(File* file) { return ensureAvailable(file, 1) == 0; }

namespace {

// Appends the next line to `text` as UTF-8, reading no further than `limit` bytes of the file;
// an 8-bit line is left as read when `convert` is false.
template <class Text>
void appendLine(File* file, TextFormat format, Text* text, uint64_t limit, bool convert) {
  const size_t start = text->size();
  switch (format) {
    case TextFormat::Utf8:
      readRawLine(file, text, limit);
      text->resize(start + cleanUtf8InPlace(&(*text)[0] + start, text->size() - start));
      return;
    case TextFormat::Utf16LE:
      text->append(utf16ToUtf8(readUtf16LeLine(file, limit)));
      return;
    default:
      readRawLine(file, text, limit);
      // Most lines are ASCII, which is the same in either reading.
      if (convert && holdsNonAscii(text->data() + start, text->size() - start)) {
        const std::string line =
            eightBitToUtf8(std::string_view(text->data() + start, text->size() - start));
        text->resize(start);
        text->append(line);
      }
      return;
  }
}

// Converts the 8-bit lines of `lines` to UTF-8, line by line; ASCII lines are copied as they are.
void convertEightBitLines(FileLines* lines) {
  decltype(lines->text) text(lines->text.get_allocator());
  text.reserve(lines->text.size() + lines->text.size() / 8);
  size_t start = 0;
  for (uint32_t& end : lines->ends) {
    const std::string_view line(lines->text.data() + start, end - start);
    if (holdsNonAscii(line.data(), line.size())) {
      const std::string converted = eightBitToUtf8(line);
      text.append(converted.data(), converted.size());
    } else {
      text.append(line.data(), line.size());
    }
    // Line ends are kept in 32 bits: a text that outgrows them is too large.
    if (text.size() > UINT32_MAX) {
      lines->tooLarge = true;
      break;
    }
    start = end;
    end = static_cast<uint32_t>(text.size());
  }
  lines->text = std::move(text);
}

}  // namespace

std::string readLine(File* file, TextFormat format) {
  std::string line;
  appendLine(file, format, &line, UINT64_MAX, true);
  return line;
}

bool writeText(File* file, const std::string& text) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
  size_t left = text.size();
  while (left > 0) {
    if (file->pos == kBufferSize) flushBuffer(file);
    const size_t room = kBufferSize - file->pos;
    const size_t take = left < room ? left : room;
    std::memcpy(file->buffer + file->pos, bytes, take);
    file->pos += take;
    bytes += take;
    left -= take;
  }
  return !file->writeFailed;
}

bool closeFile(File* file, std::string* err) {
  if (file == nullptr) return true;
  // Should the flush run out of memory, the file goes as an abandoned one.
  const std::unique_ptr<File> owned(file);
  const bool flushed = !file->writing || flushBuffer(file);
  PlatformFile* os = file->os;
  file->os = nullptr;
  const bool closed = platformClose(os, flushed, flushed ? err : nullptr);
  if (!flushed && err != nullptr) *err = std::move(file->writeError);
  return flushed && closed;
}

void abandonFile(File* file) { delete file; }

std::string_view FileLines::line(size_t index) const {
  const size_t start = index == 0 ? 0 : ends[index - 1];
  return std::string_view(text).substr(start, ends[index] - start);
}

bool readAllLines(const std::string& path, FileLines* lines, uint64_t limit, std::string* err) {
  // An append that runs out of memory closes the file all the same.
  const OwnedFile file(openForReading(path, err));
  if (file == nullptr) return false;
  // Line ends are kept in 32 bits.
  if (limit > UINT32_MAX) limit = UINT32_MAX;
  const TextFormat format = detectTextFormat(file.get());
  lines->format = format;
  while (!atEndOfFile(file.get())) {
    appendLine(file.get(), format, &lines->text, limit, false);
    if (consumed(file.get()) > limit) {
      lines->tooLarge = true;
      break;
    }
    lines->ends.push_back(static_cast<uint32_t>(lines->text.size()));
  }
  // One look over the whole file is cheaper than one per line; most files are ASCII.
  if (!lines->tooLarge && isEightBitFormat(format) &&
      holdsNonAscii(lines->text.data(), lines->text.size()))
    convertEightBitLines(lines);
  return true;
}
