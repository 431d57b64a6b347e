// Builds a small source tree from the input and loads it with its includes. The input is split
// at bytes F5 (a byte that UTF-8 never holds) into up to four files: a.pb (the main file),
// b.pbi, sub/ж.pbi (a UTF-8 name, found in any letter case) and sub/d.pbi, so the include lines,
// their names and the files' contents all come from the fuzzer.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "scan/source_loader.h"
#include "text/file_io.h"
#include "text/text_ops.h"

namespace {

const char kFileSeparator = '\xF5';
const char* const kFileNames[] = {"a.pb", "b.pbi", "sub/\xD0\xB6.pbi", "sub/d.pbi"};

std::vector<std::string> splitFiles(const std::string& input) {
  std::vector<std::string> files(1);
  for (char c : input) {
    if (c == kFileSeparator && files.size() < 4) {
      files.emplace_back();
    } else {
      files.back().push_back(c);
    }
  }
  return files;
}

// Include names and IncludePath folders may each climb one folder (a quote, then "../") but no
// further, and may not be absolute, so that a run never reads outside its scratch folder (the
// tree lies two folders below it).
bool staysInside(const std::string& input) {
  if (input.find("\"/") != std::string::npos) return false;
  for (size_t at = input.find(".."); at != std::string::npos; at = input.find("..", at + 1)) {
    if (at == 0 || input[at - 1] != '"' || at + 2 >= input.size() || input[at + 2] != '/')
      return false;
  }
  return true;
}

// Checks that each file is read once: its lines land in the combined text in their order and
// never again once a later line has come. A line that holds line feeds of its own (decoded from
// UTF-8) takes several lines in a row of the combined text, each mapped to that one file line;
// a line of several statements that includes files lands in pieces, with the included files'
// markers and lines between them, each piece mapped to that one file line too.
void checkEachLineOnce(const SourceMap& map, int32_t lineCount) {
  std::map<FileIdentity, int32_t> reached;  // each file's last line seen so far
  for (size_t i = 0; i < map.origins.size(); ++i) {
    const SourceOrigin& origin = map.origins[i];
    const int32_t end = i + 1 < map.origins.size() ? map.origins[i + 1].firstLine : lineCount + 1;
    FUZZ_CHECK(origin.firstLine >= 1 && origin.firstLine < end, "origins out of order");
    if (origin.fileLine == 0) continue;  // a marker line
    const FileIdentity identity = fileIdentity(origin.path);
    FUZZ_CHECK(identity.known, "a line from a file that isn't there: " + origin.path);
    const int32_t last = origin.fileLine + (end - origin.firstLine) - 1;
    const auto seen = reached.find(identity);
    FUZZ_CHECK(seen == reached.end() || origin.fileLine >= seen->second,
               origin.path + ":" + decimalText(origin.fileLine) + " appears after line " +
                   decimalText(seen == reached.end() ? 0 : seen->second));
    reached[identity] = last;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  if (!staysInside(input)) return -1;
  const std::vector<std::string> files = splitFiles(input);
  ScratchDir scratch;
  const std::string root = scratch.path() + "w/v/";
  size_t totalLines = 0;
  for (size_t i = 0; i < files.size(); ++i) {
    scratch.write(std::string("w/v/") + kFileNames[i], files[i]);
    totalLines += files[i].size() + 1;  // a generous bound: at most one line per byte
  }

  SourceMap map;
  const std::string text = loadSource(root, "a.pb", &map);
  int32_t lineCount = 0;
  for (char c : text) lineCount += c == '\n';
  FUZZ_CHECK(text.compare(0, 8 + root.size() + 4, ";{PB+}:" + root + "a.pb\n") == 0,
             "the combined text does not begin with the main file's marker");
  FUZZ_CHECK(!text.empty() && text.back() == '\n', "the combined text does not end a line");
  checkEachLineOnce(map, lineCount);
  // Each line of a file is copied once or replaced by at most two markers.
  const size_t longestPath = root.size() + size + 16;
  FUZZ_CHECK(text.size() <= size + totalLines + (1 + 2 * totalLines) * (longestPath + 8),
             "the combined text is longer than the files and their markers can make");

  const OwnedTokenList owned(tokenizeFile(root + "a.pb"));
  const TokenList* tokens = owned.get();
  const int32_t count = tokens->ops->count(tokens);
  int32_t previousLine = 1;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t line = tokens->ops->getLine(tokens, i);
    FUZZ_CHECK(line >= previousLine && line <= lineCount, "token line " + decimalText(line));
    previousLine = line;
  }
  return 0;
}
