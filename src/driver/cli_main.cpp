// gantrell-cli: the scan without a window, for build scripts and tests.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "driver/headless_ui.h"
#include "driver/run.h"
#include "driver/token_listing.h"
#include "header/header_output.h"
#include "header/import_header.h"
#include "scan/source_loader.h"
#include "text/binary_streams.h"
#include "text/console.h"
#include "text/file_io.h"
#include "text/path.h"
#include "text/pattern.h"
#include "text/program_args.h"
#include "text/shown_name.h"
#include "text/text_ops.h"

namespace {

const char kUsage[] =
    "Usage: gantrell-cli [--strict] [--library NAME] [--target OS-CPU] [--pb-home DIR]\n"
    "                    [-o FILE] SOURCE\n"
    "       gantrell-cli [--strict] [--target OS-CPU] [--pb-home DIR] --tokens SOURCE\n"
    "Write the PureBasic Import block for the ProcedureDLL procedures of SOURCE\n"
    "and of every file it includes, and an ImportC block for its ProcedureCDLL ones.\n"
    "\n"
    "  -o, --output FILE  write the block to FILE (created or replaced)\n"
    "                     instead of standard output\n"
    "      --library NAME the library the blocks import from: Import \"NAME\"\n"
    "                     and ImportC \"NAME\" instead of Import \"\"\n"
    "      --tokens       list the tokens of SOURCE and its includes instead of\n"
    "                     the block: line, TAB, kind, TAB, text\n"
    "      --strict       fail, writing nothing, when there is a warning\n"
    "                     (an include file that can't be opened)\n"
    "      --target OS-CPU\n"
    "                     decide CompilerIf and CompilerSelect on #PB_Compiler_OS\n"
    "                     and #PB_Compiler_Processor for this target: windows-x86,\n"
    "                     windows-x64, linux-x64, linux-arm64, macos-x64, macos-arm64\n"
    "      --pb-home DIR  the PureBasic folder, for #PB_Compiler_Home\n"
    "      --help         show this help and exit\n"
    "      --version      show the version and exit\n"
    "\n"
    "Exit status: 0 on success, 1 when the scan or the output failed,\n"
    "2 when the command line is wrong.\n";

/// What the command line asks for.
struct Options {
  std::string output;         // -o FILE
  bool toStdout = true;       // no -o: the output goes to standard output
  bool tokens = false;        // --tokens: the token listing instead of the block
  bool strict = false;        // --strict: an unresolved include fails the run
  std::string library;        // --library NAME
  CompilerSettings compiler;  // --target and --pb-home
  std::string source;         // SOURCE, exactly as given
};

int usageError(const char* problem) {
  printError("gantrell-cli: %s\nTry 'gantrell-cli --help' for more information.\n", problem);
  return 2;
}

/// How an argument stands to an option that takes a value.
enum class ValueOption {
  Other,    // the argument is not this option
  Given,    // the value was read
  Missing,  // the option was the last argument
};

// Reads the value of the option `name`: from the argument after it ("NAME VALUE", which moves
// `*i` on) or from `arg` itself, behind `joiner` ("--name=VALUE", "-oFILE").
ValueOption readValue(const std::string& arg, const std::string& name, const std::string& joiner,
                      int argc, char** argv, int* i, std::string* value) {
  if (arg == name) {
    if (++*i >= argc) return ValueOption::Missing;
    *value = argv[*i];
    return ValueOption::Given;
  }
  const std::string prefix = name + joiner;
  if (arg.compare(0, prefix.size(), prefix) != 0) return ValueOption::Other;
  *value = arg.substr(prefix.size());
  return ValueOption::Given;
}

// Parses the command line; returns -1 to go on, or the exit status to end with.
int parseOptions(int argc, char** argv, Options* options) {
  bool haveSource = false;
  bool haveLibrary = false;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    // After "--", and for "-" alone, every argument is the source.
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      if (haveSource) return usageError("only one SOURCE can be given");
      options->source = arg;
      haveSource = true;
      continue;
    }
    bool missing = false;
    const auto valueOf = [&](const char* name, const char* joiner, std::string* value) {
      const ValueOption found = readValue(arg, name, joiner, argc, argv, &i, value);
      missing = found == ValueOption::Missing;
      return found != ValueOption::Other;
    };
    if (arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::printf("gantrell-cli %s\n", GANTRELL_VERSION);
      return 0;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--tokens") {
      options->tokens = true;
    } else if (arg == "--strict") {
      options->strict = true;
    } else if (valueOf("--target", "=", &options->compiler.target)) {
      if (missing) return usageError("option '--target' needs OS-CPU");
      int64_t os = 0;
      int64_t processor = 0;
      if (!readTarget(options->compiler.target, &os, &processor))
        return usageError(("unknown target '" + options->compiler.target + "'").c_str());
    } else if (valueOf("--pb-home", "=", &options->compiler.home)) {
      if (missing) return usageError("option '--pb-home' needs a DIR");
      std::string& home = options->compiler.home;
      // The compiler's home ends in a separator, so that names can be put right behind it.
      if (!home.empty() && std::strchr(kFolderSeparators, home.back()) == nullptr)
        home += kFolderSeparators[0];
    } else if (valueOf("-o", "", &options->output) || valueOf("--output", "=", &options->output)) {
      if (missing) return usageError("option '-o' needs a FILE");
      options->toStdout = false;
    } else if (valueOf("--library", "=", &options->library)) {
      if (missing) return usageError("option '--library' needs a NAME");
      haveLibrary = true;
    } else {
      return usageError(("unknown option '" + arg + "'").c_str());
    }
  }
  if (!options->toStdout && options->output.empty()) return usageError("the output FILE is empty");
  if (haveLibrary && !isLibraryName(options->library))
    return usageError("the library NAME is empty or holds a double quote or a control byte");
  if (trimSpaces(options->source).empty()) return usageError("no SOURCE given");
  return -1;
}

// Writes the bytes to standard output; false with the system's reason when any did not arrive.
bool writeStdout(const std::string& bytes, std::string* err) {
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (std::fflush(stdout) == 0 && written && !std::ferror(stdout)) return true;
  *err = std::strerror(errno != 0 ? errno : EIO);
  return false;
}

// The name a failure message gives the output.
std::string outputName(const Options& options) {
  return options.toStdout ? "standard output" : shownName(options.output);
}

// Reports a failed output: the message, then the file and the system's reason.
int failOutput(const Options& options, const char* message, const std::string& reason) {
  printError("gantrell: %s\n", message);
  if (!reason.empty())
    printError("  %s: %s\n", outputName(options).c_str(), reason.c_str());
  return 1;
}

// Reports a source that could not be opened, with the system's reason.
int failSource(const std::string& source) {
  std::string reason;
  // Opened again for the system's reason alone.
  const OwnedFile file(openForReading(source, &reason));
  printError("gantrell: can't open source file \"%s\": %s\n", shownName(source).c_str(),
               reason.empty() ? "it could not be read" : reason.c_str());
  return 1;
}

// Writes the bytes to the -o file or to standard output; returns the exit status.
int writeOutput(const Options& options, const std::string& bytes, const SourceMap& map) {
  std::string reason;
  if (options.toStdout)
    return writeStdout(bytes, &reason) ? 0 : failOutput(options, kCantWriteFile, reason);
  if (namesSourceFile(options.output, map.filesRead()))
    return failOutput(options, kCantOverwriteSource, "");
  switch (writeHeaderFile(options.output, bytes, &reason)) {
    case WriteOutcome::Written:
      return 0;
    case WriteOutcome::CreateFailed:
      return failOutput(options, kCantCreateFile, reason);
    case WriteOutcome::WriteFailed:
      break;
  }
  return failOutput(options, kCantWriteFile, reason);
}

// Prints a warning, with its place, for each include that opened on no path, after one for each
// include name read from its first string.
void warnOfMissingIncludes(const SourceMap& map) {
  for (const GuessedInclude& guessed : map.guessedIncludes)
    printError("gantrell: warning: can't evaluate the include name %s: reading \"%s\"\n"
               "  at %s:%d\n",
               shownName(guessed.expression).c_str(), shownName(guessed.name).c_str(),
               shownName(guessed.file).c_str(), static_cast<int>(guessed.line));
  for (const MissingInclude& missing : map.missingIncludes)
    printError("gantrell: warning: can't open include file \"%s\"%s%s\n  at %s:%d\n",
               shownName(missing.name).c_str(), missing.reason.empty() ? "" : ": ",
               missing.reason.c_str(), shownName(missing.file).c_str(),
               static_cast<int>(missing.line));
}

// Reports an error of the scan and, where it names a line, the file and line it lies on.
int failAt(const std::string& message, const SourceMap& map, int32_t errorLine) {
  // The whole message is made before any of it is written: running out of memory on the way
  // must leave "Out of memory." alone, not half a message before it.
  std::string text = "gantrell: " + message + "\n";
  std::string path;
  int32_t fileLine = 0;
  if (errorLine > 0 && map.locate(errorLine, &path, &fileLine))
    text += "  at " + shownName(path) + ":" + decimalText(fileLine) + "\n";
  writeError(text);
  return 1;
}

// Writes the token dump to the -o file, or to standard output.
int printTokens(const Options& options) {
  const std::string& source = options.source;
  SourceMap map;
  OwnedTokenList tokens(tokenizeFile(source, &map, true, options.compiler));
  if (!map.error.empty()) return failAt(map.error, map, map.errorLine);
  warnOfMissingIncludes(map);
  const char* unresolved = unresolvedIncludesMessage(map);
  if (options.strict && unresolved != nullptr) {
    printError("gantrell: %s\n", unresolved);
    return 1;
  }
  const std::string out = tokenDump(tokens.get());
  tokens.reset();  // only the dump is needed from here on
  if (map.tooLarge) {
    printError("gantrell: %s\n", kSourceTooLarge);
    return 1;
  }
  if (map.origins.empty()) return failSource(source);
  return writeOutput(options, out, map);
}

// Reports a run that ended in an error: a source that opened nowhere (the run finds nothing to
// export then) with the system's reason, a failed output with the file's, any other error with
// the file and line it names.
int failRun(const Options& options, const RunResult& result) {
  if (result.outcome == RunOutcome::NothingToExport && result.sourceMap.origins.empty())
    return failSource(result.sourcePath);
  if (result.outcome == RunOutcome::CreateFailed || result.outcome == RunOutcome::WriteFailed)
    return failOutput(options, result.message.c_str(), result.saveError);
  return failAt(result.message, result.sourceMap, result.errorLine);
}

// Runs gantrell-cli on its UTF-8 arguments; returns the exit status.
int runCli(int argc, char** argv) {
  Options options;
  const int status = parseOptions(argc, argv, &options);
  if (status >= 0) return status;
  if (options.tokens) return printTokens(options);

  HeadlessUi ui(options.toStdout ? std::string() : options.output);
  RunOptions runOptions;
  runOptions.missingIncludesFail = options.strict;
  runOptions.compiler = options.compiler;
  // The path exactly as given: only the desktop programs trim what the IDE hands them.
  runOptions.exactSourcePath = true;
  runOptions.library = options.library;
  const RunResult result = runGantrell(options.source, &ui, runOptions);
  warnOfMissingIncludes(result.sourceMap);
  switch (result.outcome) {
    case RunOutcome::Saved:
      return 0;
    case RunOutcome::Cancelled:  // no output file: the block goes to standard output
      return writeOutput(options, result.header.text, result.sourceMap);
    default:
      return failRun(options, result);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Lower-casing of bytes 128-255 follows the user's locale, as in the desktop program.
  std::setlocale(LC_ALL, "");
  useBinaryStandardStreams();
  int status = 1;
  try {
    // The arguments as UTF-8 on every system, so a path on Windows keeps every character.
    std::vector<std::string> arguments = runtimeArguments(argc, argv);
    std::vector<char*> vector;
    for (std::string& argument : arguments) vector.push_back(&argument[0]);
    vector.push_back(nullptr);
    status = runCli(static_cast<int>(arguments.size()), vector.data());
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "gantrell: %s\n", kOutOfMemory);  // ASCII, and nothing to allocate
  }
  freeAllPatterns();
  return status;
}
