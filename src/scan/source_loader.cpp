#include "scan/source_loader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <set>

#include "scan/classifier.h"
#include "scan/include_search.h"
#include "scan/lexer.h"
#include "text/file_io.h"
#include "text/path.h"
#include "text/pattern.h"
#include "text/text_ops.h"

namespace {

// The text that opens every file's part of the combined text, followed by its path.
const char kFileMarker[] = ";{PB+}:";

// The files opened so far. A path counts as included when it is spelled like one of them or
// names the same file, so "common.pbi" and "sub/../common.pbi" are one file.
class IncludedFiles {
 public:
  void add(const std::string& path) {
    paths_.insert(path);
    const FileIdentity identity = fileIdentity(path);
    if (identity.known) identities_.insert(identity);
  }

  bool contains(const std::string& path) const {
    if (paths_.count(path) != 0) return true;
    const FileIdentity identity = fileIdentity(path);
    return identity.known && identities_.count(identity) != 0;
  }

 private:
  std::set<std::string> paths_;
  std::set<FileIdentity> identities_;
};

// One file being copied into the combined text. Its lines are read in full and the file closed
// before they are processed, so a deep include chain holds no open file per level.
struct OpenSource {
  std::string directory;
  std::string fileName;
  FileLines lines;
  size_t next = 0;
  bool resumeParent = false;  // write the including file's marker when this one is done
  int32_t lastCombinedLine = -1;
};

// Tells whether any of the eight bytes at `bytes` is a "u" or a "U".
bool holdsU(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  // A byte becomes zero where it was "u" or "U"; then the lowest zero byte sets its top bit.
  const uint64_t x = (word | 0x2020202020202020u) ^ 0x7575757575757575u;
  return ((x - 0x0101010101010101u) & ~x & 0x8080808080808080u) != 0;
}

// Tells whether the line could hold "includefile" or "includepath" in any letter case, without
// lowering the whole line: most lines can't, and lowering every line is a good part of loading.
bool mayNameInclude(std::string_view line) {
  static const size_t kLength = sizeof "ncludefile" - 1;
  if (line.size() < kLength) return false;
  const size_t last = line.size() - kLength;  // the last place the word can start
  // Where only "U" and "u" lower to the "u" of "nclude", three bytes after its start (in every
  // code page seen so far), eight places at a time are passed over where there is none.
  static const bool onlyUsLowerToU = [] {
    for (int byte = 128; byte < 256; ++byte)
      if (lowerCaseByte(static_cast<unsigned char>(byte)) == 'u') return false;
    return true;
  }();
  for (size_t i = 0; i <= last; i += 8) {
    if (onlyUsLowerToU && i + 3 + 8 <= line.size() && !holdsU(line.data() + i + 3)) continue;
    for (size_t at = i; at < i + 8 && at <= last; ++at)
      if ((!onlyUsLowerToU || (line[at + 3] | 0x20) == 'u') &&
          lowersTo(line.data() + at, "nclude", 6) &&
          (lowersTo(line.data() + at + 6, "file", 4) || lowersTo(line.data() + at + 6, "path", 4)))
        return true;
  }
  return false;
}

class Loader {
 public:
  Loader(SourceMap* map, const std::string& mainFolder, const CompilerSettings& compiler)
      : map_(map), search_(mainFolder), view_(compiler) {}

  std::string run(const std::string& directory, const std::string& fileName) {
    open(directory, fileName, false);
    while (!stack_.empty() && !tooLarge_ && !failed_) {
      OpenSource& source = stack_.back();
      if (source.next == source.lines.count()) {
        if (!accept(view_.leaveFile())) break;
        const bool resume = source.resumeParent;
        stack_.pop_back();
        if (resume) appendMarker(stack_.back().directory, stack_.back().fileName);
        continue;
      }
      const int32_t fileLine = static_cast<int32_t>(++source.next);
      processLine(source.lines.line(fileLine - 1), fileLine);
    }
    // The token pattern's library may read ahead of the text's end: those bytes get a value.
    const size_t size = text_.size();
    text_.append(kPatternReadAhead, '\0');
    text_.resize(size);
    return std::move(text_);
  }

 private:
  bool open(const std::string& directory, const std::string& fileName, bool resumeParent) {
    const std::string path = directory + fileName;
    OpenSource source;
    if (!readAllLines(path, &source.lines, limit_ - text_.size())) return false;
    included_.add(path);
    view_.enterFile(absoluteFolder(directory), fileName);
    appendMarker(directory, fileName);
    source.directory = directory;
    source.fileName = fileName;
    source.resumeParent = resumeParent;
    stack_.push_back(std::move(source));
    return true;
  }

  // Takes the view's verdict on a line or file; false, with the error kept, when it ends loading.
  bool accept(const LineVerdict& verdict) {
    if (verdict.action != LineVerdict::Action::Fail) return true;
    failed_ = true;
    if (map_ != nullptr) {
      map_->error = std::string(verdict.text);
      map_->errorLine = verdict.line;
    }
    return false;
  }

  // The names an include line's expression gives; where it can't be evaluated, its first string.
  std::vector<std::string> includeNames(const IncludeDirective& directive, int32_t fileLine) {
    IncludeNames names = view_.includeNames(directive.expression);
    if (names.evaluated) return std::move(names.names);
    const OpenSource& source = stack_.back();
    if (!names.expression.empty() && map_ != nullptr)
      map_->guessedIncludes.push_back(
          {names.expression, directive.name, source.directory + source.fileName, fileLine});
    return {directive.name};
  }

  void processLine(std::string_view line, int32_t fileLine) {
    // The compiler may skip the line, or read it otherwise (its macros expanded).
    const LineVerdict verdict = view_.readLine(line, lines_ + 1);
    if (verdict.action == LineVerdict::Action::Drop) line = {};
    if (verdict.action == LineVerdict::Action::Replace) line = verdict.text;
    // A line that ends loading is still written, so that the message's line is in the map.
    const IncludeDirective directive = accept(verdict) && mayNameInclude(line)
                                           ? readIncludeDirective(std::string(line))
                                           : IncludeDirective();
    if (directive.kind != IncludeDirective::Kind::Include) {
      if (directive.kind == IncludeDirective::Kind::IncludePath)
        search_.setIncludePath(stack_.back().directory, includeNames(directive, fileLine)[0]);
      appendFileLine(line, fileLine);
      return;
    }
    const std::string directory = stack_.back().directory;
    const std::string fileName = stack_.back().fileName;
    // Each name the expression may give, in order, until one is read or already was.
    const std::vector<std::string> names = includeNames(directive, fileLine);
    for (const std::string& name : names) {
      const std::string includedDirectory = directory + folderPart(name);
      const std::string includedName = fileNamePart(name);
      const std::string besideIncluder = includedDirectory + includedName;
      if (included_.contains(besideIncluder)) return;
      if (name.empty()) continue;
      if (open(includedDirectory, includedName, true)) return;
      for (const std::string& path : search_.fallbacks(besideIncluder, name)) {
        if (included_.contains(path)) return;
        if (open(folderPart(path), fileNamePart(path), true)) return;
      }
    }
    if (map_ != nullptr)
      map_->missingIncludes.push_back({names[0], directory + fileName, fileLine});
    appendMarker(directory, fileName);
  }

  // Appends a piece and its line feed; returns how many lines of the combined text it takes,
  // which is more than one when the piece holds line feeds of its own (a UTF-8 file can encode
  // one inside a line, and a path may hold one).
  int32_t appendLine(std::string_view piece) {
    if (piece.size() >= limit_ - text_.size()) tooLarge_ = true;
    if (tooLarge_) {
      if (map_ != nullptr) map_->tooLarge = true;
      return 1;
    }
    text_ += piece;
    text_ += '\n';
    const int32_t taken =
        piece.find('\n') == std::string_view::npos
            ? 1
            : 1 + static_cast<int32_t>(std::count(piece.begin(), piece.end(), '\n'));
    lines_ += taken;
    return taken;
  }

  void appendMarker(const std::string& directory, const std::string& fileName) {
    const std::string path = directory + fileName;
    const int32_t first = lines_ + 1;
    appendLine(kFileMarker + path);
    if (map_ != nullptr)
      for (int32_t line = first; line <= lines_; ++line) map_->origins.push_back({line, path, 0});
    if (!stack_.empty()) stack_.back().lastCombinedLine = -1;
  }

  void appendFileLine(std::string_view line, int32_t fileLine) {
    const int32_t first = lines_ + 1;
    const int32_t taken = appendLine(line);
    OpenSource& source = stack_.back();
    // A new origin starts wherever this file's lines stop following each other directly; every
    // piece of a line split by its own line feeds lies on that one file line.
    if (map_ != nullptr && (source.lastCombinedLine != first - 1 || taken > 1)) {
      const std::string path = source.directory + source.fileName;
      if (source.lastCombinedLine != first - 1) map_->origins.push_back({first, path, fileLine});
      for (int32_t k = 1; k < taken; ++k) map_->origins.push_back({first + k, path, fileLine});
    }
    source.lastCombinedLine = lines_;
  }

  SourceMap* map_;
  IncludeSearch search_;
  CompilerView view_;
  bool failed_ = false;  // the view ended loading
  const size_t limit_ = map_ != nullptr ? map_->textLimit : SourceMap().textLimit;
  bool tooLarge_ = false;
  IncludedFiles included_;
  std::vector<OpenSource> stack_;
  std::string text_;
  int32_t lines_ = 0;
};

// Stores a token in the list unless it is a comment.
void collectToken(std::string_view text, TokenKind kind, int32_t line, void* list) {
  if (kind == TokenKind::Comment) return;
  TokenList* tokens = static_cast<TokenList*>(list);
  // A token that can't be stored would leave the scan short without a word: the run ends.
  if (!tokens->ops->add(tokens, text, static_cast<int16_t>(kind), line)) throw std::bad_alloc();
}

}  // namespace

bool SourceMap::locate(int32_t line, std::string* path, int32_t* fileLine) const {
  const auto after = std::upper_bound(
      origins.begin(), origins.end(), line,
      [](int32_t wanted, const SourceOrigin& origin) { return wanted < origin.firstLine; });
  if (line < 1 || after == origins.begin()) return false;
  const SourceOrigin& origin = *(after - 1);
  *path = origin.path;
  *fileLine = origin.fileLine == 0 ? 0 : origin.fileLine + (line - origin.firstLine);
  return true;
}

std::string loadSource(const std::string& directory, const std::string& fileName,
                       SourceMap* map, const CompilerSettings& compiler) {
  return Loader(map, directory, compiler).run(directory, fileName);
}

TokenList* tokenizeFile(const std::string& path, SourceMap* map, bool exact,
                        const CompilerSettings& compiler) {
  TokenList* list = newTokenList();
  if (list == nullptr) throw std::bad_alloc();
  const std::string folder = exact ? exactFolderPart(path) : folderPart(path);
  const std::string text =
      loadSource(folder, exact ? path.substr(folder.size()) : fileNamePart(path), map, compiler);
  if (map != nullptr && (map->tooLarge || !map->error.empty())) return list;
  try {
    // The token pattern is a constant: only a lack of memory keeps it from compiling.
    if (lexText(text, collectToken, list) < 0) throw std::bad_alloc();
  } catch (...) {
    list->ops->free(list);
    throw;
  }
  return list;
}
