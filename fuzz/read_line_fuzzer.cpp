// Writes arbitrary bytes to a file with a UTF-8 name and reads it line by line in every text
// format: each read must consume input, so reading ends; a line is well-formed UTF-8 and never
// holds a line terminator or a NUL byte.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "text/file_io.h"
#include "text/text_ops.h"
#include "text/utf8_decode.h"

namespace {

const TextFormat kFormats[] = {TextFormat::PlainBytes, TextFormat::Utf8, TextFormat::Utf16LE,
                               TextFormat::Utf16BE, TextFormat::Utf32BE};

std::string formatName(TextFormat format) { return decimalText(static_cast<int32_t>(format)); }

// Reads every line of the file in `format`, from its first byte (no mark skipped).
std::vector<std::string> readIn(const std::string& path, TextFormat format, size_t size,
                                bool detect) {
  File* file = openForReading(path);
  FUZZ_CHECK(file != nullptr, "the input file won't open");
  if (detect) format = detectTextFormat(file);
  std::vector<std::string> lines;
  while (!atEndOfFile(file)) {
    lines.push_back(readLine(file, format));
    // Every line takes at least one byte (or one unit) of the file.
    FUZZ_CHECK(lines.size() <= size, "more lines than bytes in format " + formatName(format));
  }
  FUZZ_CHECK(readLine(file, format).empty(), "a line after the end of the file");
  closeFile(file);
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find('\0') == std::string::npos,
               "a NUL byte in a line, format " + formatName(format));
    FUZZ_CHECK(cleanUtf8(line) == line, "a line that is no UTF-8, format " + formatName(format));
    if (format != TextFormat::Utf8)
      FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos,
                 "a line terminator in a line, format " + formatName(format));
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchDir folder;  // one file, rewritten for each input
  const std::string path =
      folder.write("\xC3\xA9ntr\xC3\xA9\xD0\x96.pb",
                   std::string(reinterpret_cast<const char*>(data), size));
  for (TextFormat format : kFormats) readIn(path, format, size, false);

  const std::vector<std::string> detected = readIn(path, TextFormat::PlainBytes, size, true);
  FileLines all;
  FUZZ_CHECK(readAllLines(path, &all), "readAllLines won't open the file");
  bool same = all.count() == detected.size();
  for (size_t i = 0; same && i < detected.size(); ++i) same = all.line(i) == detected[i];
  FUZZ_CHECK(same, "readAllLines differs from reading line by line");
  return 0;
}
