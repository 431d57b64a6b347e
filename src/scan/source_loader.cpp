#include "scan/source_loader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
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
  int32_t lastFileLine = -1;  // the file line of the combined text's line lastCombinedLine
  // The statements of a line that holds includes, taken one at a time: an include opens its
  // file, and the statements after it follow when that file is done.
  std::string_view pending;  // a view into `lines` or `replaced`, which stay where they are
                             // (stack_ is a deque)
  std::string replaced;      // the line being read as the compiler reads it, where it differs
  size_t pendingAt = 1;      // where its next statement starts; past its end when there is none
  int32_t pendingLine = 0;
};

class Loader {
 public:
  Loader(SourceMap* map, const std::string& mainFolder, const CompilerSettings& compiler)
      : map_(map), search_(mainFolder), view_(compiler) {}

  std::string run(const std::string& directory, const std::string& fileName, MemoryClaim* claim) {
    open(directory, fileName, false, nullptr);
    while (!stack_.empty() && !tooLarge_ && !failed_) {
      OpenSource& source = stack_.back();
      if (source.pendingAt <= source.pending.size()) {
        processPending();
        continue;
      }
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
    reserveClaimed(&text_, size + kPatternReadAhead, &textClaim_);
    text_.append(kPatternReadAhead, '\0');
    text_.resize(size);
    if (claim != nullptr) *claim = std::move(textClaim_);
    return std::move(text_);
  }

 private:
  // Opens a file and makes it the one being copied; false, with the reason in `reason` where
  // the file exists, when it can't be read. An include that names a folder can't be.
  bool open(const std::string& directory, const std::string& fileName, bool resumeParent,
            std::string* reason) {
    const std::string path = directory + fileName;
    OpenSource source;
    std::string err;
    const bool folder = resumeParent && namesFolder(path);
    if (folder || !readAllLines(path, &source.lines, limit_ - text_.size(), &err)) {
      if (reason != nullptr && reason->empty() && (folder || fileIdentity(path).known))
        *reason = folder ? "Is a directory" : err;
      return false;
    }
    if (source.lines.tooLarge && map_ != nullptr) map_->tooLarge = true;
    tooLarge_ = tooLarge_ || source.lines.tooLarge;
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

  // The paths an include statement's expression gives, in the order to try; where it can't be
  // evaluated, its first string, and a warning that shows the expression.
  std::vector<std::string> includeNames(const IncludeDirective& statement, int32_t fileLine) {
    const IncludeNames names = view_.includeNames(statement.expression);
    std::vector<std::string> paths;
    if (names.evaluated && !names.names.empty()) {
      for (const std::string& name : names.names) paths.push_back(pathOfName(name));
      return paths;
    }
    const OpenSource& source = stack_.back();
    if (!names.expression.empty() && map_ != nullptr) {
      map_->guessedIncludes.push_back({names.expression, std::string(statement.name),
                                       source.directory + source.fileName, fileLine});
      map_->claim.add(sizeof(GuessedInclude) + names.expression.size() + statement.name.size() +
                      source.directory.size() + source.fileName.size());
    }
    paths.push_back(pathOfName(statement.name));
    return paths;
  }

  void processLine(std::string_view line, int32_t fileLine) {
    // The compiler may skip the line, or read it otherwise (its macros expanded). A line it reads
    // otherwise is kept with its file while its includes are followed.
    const LineVerdict verdict = view_.readLine(line, lines_ + 1);
    if (verdict.action == LineVerdict::Action::Drop) line = {};
    if (verdict.action == LineVerdict::Action::Replace) {
      stack_.back().replaced.assign(verdict.text);
      line = stack_.back().replaced;
    }
    // A line that ends loading is still written, so that the message's line is in the map.
    if (!accept(verdict) || verdict.inMacro || !mayNameInclude(line)) {
      appendFileLine(line, fileLine);
      return;
    }
    // A line without includes is written whole; an IncludePath of it counts all the same.
    if (!holdsInclude(line)) {
      for (size_t at = 0; at <= line.size();) takeIncludePath(nextStatement(line, &at), fileLine);
      appendFileLine(line, fileLine);
      return;
    }
    // A line with includes is taken a statement at a time, from the loop in run.
    OpenSource& source = stack_.back();
    source.pending = line;
    source.pendingAt = 0;
    source.pendingLine = fileLine;
  }

  // Goes on with the line that holds includes: the statements up to its next include stay in
  // the text as they are written, on the line's own line, and that include is followed.
  void processPending() {
    OpenSource& source = stack_.back();
    const std::string_view line = source.pending;
    const int32_t fileLine = source.pendingLine;
    size_t runBegin = std::string_view::npos;
    size_t runEnd = 0;
    while (source.pendingAt <= line.size()) {
      const IncludeDirective statement = nextStatement(line, &source.pendingAt);
      if (statement.kind == IncludeDirective::Kind::Include) {
        appendRun(line, runBegin, runEnd, fileLine);
        include(includeNames(statement, fileLine), fileLine);
        return;
      }
      takeIncludePath(statement, fileLine);
      const size_t begin = static_cast<size_t>(statement.text.data() - line.data());
      if (runBegin == std::string_view::npos) runBegin = begin;
      runEnd = begin + statement.text.size();
    }
    appendRun(line, runBegin, runEnd, fileLine);
  }

  // Where the statement is an IncludePath one, makes its folder the one the includes after it
  // are looked for in.
  void takeIncludePath(const IncludeDirective& statement, int32_t fileLine) {
    if (statement.kind == IncludeDirective::Kind::IncludePath)
      search_.setIncludePath(stack_.back().directory, includeNames(statement, fileLine)[0]);
  }

  // Appends the statements between `begin` and `end` of a line unless they are blank.
  void appendRun(std::string_view line, size_t begin, size_t end, int32_t fileLine) {
    if (begin == std::string_view::npos) return;
    const std::string_view run = line.substr(begin, end - begin);
    if (run.find_first_not_of(" \t") != std::string_view::npos) appendFileLine(run, fileLine);
  }

  // Follows an include statement of the including file's line `fileLine`: each name its
  // expression may give, in order, until one is read or already was.
  void include(const std::vector<std::string>& names, int32_t fileLine) {
    const std::string directory = stack_.back().directory;
    const std::string fileName = stack_.back().fileName;
    std::string reason;
    for (const std::string& name : names) {
      const std::string first = isAbsolutePath(name) ? name : directory + name;
      if (included_.contains(first)) return;
      if (name.empty()) continue;
      if (open(folderPart(first), fileNamePart(first), true, &reason)) return;
      for (const std::string& path : search_.fallbacks(first, name)) {
        if (included_.contains(path)) return;
        if (open(folderPart(path), fileNamePart(path), true, &reason)) return;
      }
    }
    const std::string& name = names.front();
    if (map_ != nullptr) {
      map_->missingIncludes.push_back({name, directory + fileName, fileLine, reason});
      map_->claim.add(sizeof(MissingInclude) + name.size() + directory.size() + fileName.size());
    }
    appendMarker(directory, fileName);
  }

  // The path an include statement's name opens, after the format of the file it stands in.
  std::string pathOfName(std::string_view name) const {
    return pathOfSourceText(std::string(name), isEightBitFormat(stack_.back().lines.format));
  }

  // Appends a piece and its line feed; returns how many lines of the combined text it takes,
  // which is more than one when the piece holds line feeds of its own (a UTF-8 file can encode
  // one inside a line, and a path may hold one). Inlined, like appendFileLine: a call for each
  // line is a measurable share of loading.
  [[gnu::always_inline]] int32_t appendLine(std::string_view piece) {
    if (piece.size() >= limit_ - text_.size()) tooLarge_ = true;
    if (tooLarge_) {
      if (map_ != nullptr) map_->tooLarge = true;
      return 1;
    }
    if (piece.size() >= text_.capacity() - text_.size())
      reserveClaimed(&text_, text_.size() + piece.size() + 1, &textClaim_);
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
      for (int32_t line = first; line <= lines_; ++line) addOrigin({line, path, 0});
    if (!stack_.empty()) stack_.back().lastCombinedLine = -1;
  }

  [[gnu::always_inline]] void appendFileLine(std::string_view line, int32_t fileLine) {
    const int32_t first = lines_ + 1;
    const int32_t taken = appendLine(line);
    OpenSource& source = stack_.back();
    // A new origin starts wherever this file's lines stop following each other directly, in
    // the combined text or in the file (a line that left nothing, the pieces of one line); every
    // piece of a line split by its own line feeds lies on that one file line.
    const bool follows = source.lastCombinedLine == first - 1 && source.lastFileLine == fileLine - 1;
    if (map_ != nullptr && (!follows || taken > 1)) {
      const std::string path = source.directory + source.fileName;
      if (!follows) addOrigin({first, path, fileLine});
      for (int32_t k = 1; k < taken; ++k) addOrigin({first + k, path, fileLine});
    }
    source.lastCombinedLine = lines_;
    source.lastFileLine = fileLine;
  }

  void addOrigin(SourceOrigin origin) {
    map_->claim.add(sizeof(SourceOrigin) + origin.path.size());
    map_->origins.push_back(std::move(origin));
  }

  SourceMap* map_;
  IncludeSearch search_;
  CompilerView view_;
  bool failed_ = false;  // the view ended loading
  const size_t limit_ = map_ != nullptr ? map_->textLimit : SourceMap().textLimit;
  bool tooLarge_ = false;
  IncludedFiles included_;
  // A deque: a file pushed on it leaves the others, and the views into their lines, in place.
  std::deque<OpenSource> stack_;
  std::string text_;
  MemoryClaim textClaim_;  // the memory the combined text holds
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

std::vector<std::string> SourceMap::filesRead() const {
  // A file's marker comes back after each of its includes: one entry each is enough.
  std::vector<std::string> files;
  std::set<std::string> seen;
  for (const SourceOrigin& origin : origins)
    if (seen.insert(origin.path).second) files.push_back(origin.path);
  return files;
}

std::string loadSource(const std::string& directory, const std::string& fileName,
                       SourceMap* map, MemoryClaim* claim, const CompilerSettings& compiler) {
  return Loader(map, directory, compiler).run(directory, fileName, claim);
}

TokenList* tokenizeFile(const std::string& path, SourceMap* map, bool exact,
                        const CompilerSettings& compiler) {
  // Loading and cutting may both run out of memory: the list goes with the exception.
  OwnedTokenList list(newTokenList());
  if (list == nullptr) throw std::bad_alloc();
  const std::string folder = exact ? exactFolderPart(path) : folderPart(path);
  MemoryClaim claim;  // the text's memory, held while it is cut into tokens
  const std::string text =
      loadSource(folder, exact ? path.substr(folder.size()) : fileNamePart(path), map, &claim,
                 compiler);
  if (map != nullptr && (map->tooLarge || !map->error.empty())) return list.release();
  // The token pattern is a constant: only a lack of memory keeps it from compiling.
  if (lexText(text, collectToken, list.get()) < 0) throw std::bad_alloc();
  return list.release();
}
