// One run of the program, from the argument to the saved import block, against any Ui.
#ifndef GANTRELL_DRIVER_RUN_H_
#define GANTRELL_DRIVER_RUN_H_

#include <cstdint>
#include <string>

#include "header/import_header.h"
#include "scan/source_loader.h"

class Ui;

/// The text shown when the program is started without a source file.
extern const char kParameterMissed[];

/// The text shown when the source declares nothing to export.
extern const char kNothingToExport[];

/// The text shown when the source and its includes make too large a text.
extern const char kSourceTooLarge[];

/// The text shown when memory runs out.
extern const char kOutOfMemory[];

/// The text shown when the output file can't be created.
extern const char kCantCreateFile[];

/// The text shown when the output file can't be written in full.
extern const char kCantWriteFile[];

/// The text shown when the output path names a file the run read.
extern const char kCantOverwriteSource[];

/// The text a strict run ends with when an include opened nowhere or an include name was read
/// from its first string (the former first); null when every include was found as written.
const char* unresolvedIncludesMessage(const SourceMap& map);

/// How a run ended.
enum class RunOutcome {
  MissingArgument,   // no path was given
  MissingInclude,    // a strict run met an include it could not open or evaluate
  SourceTooLarge,    // the combined text would pass its limit
  Closed,            // the user closed the progress window
  DeclarationError,  // a declaration could not be read
  SourceError,       // loading stopped at a directive or a macro
  NothingToExport,   // the source declares nothing to export (or did not open)
  Saved,             // the block was written to the chosen path
  Cancelled,         // the save dialog was cancelled
  CreateFailed,      // the output file could not be created
  WriteFailed,       // the output file could not be written in full
  SourceRefused,     // the chosen path names a file the run read
};

/// What a run did, for front ends that report more than the Ui shows.
struct RunResult {
  RunOutcome outcome = RunOutcome::MissingArgument;
  std::string message;     // the text of the error box, if one was shown
  int32_t errorLine = -1;  // the combined-text line a declaration or source error names
  std::string sourcePath;  // the argument, without its surrounding spaces where trimmed
  std::string saveError;   // the system's reason when the output could not be written
  ImportHeader header;     // finished when the scan found declarations
  SourceMap sourceMap;     // where the lines of the combined text came from
};

/// What a front end may ask of a run beyond the desktop programs' behaviour.
struct RunOptions {
  bool missingIncludesFail = false;  // an include that opens nowhere ends the run, unsaved
  bool exactSourcePath = false;      // the argument is the path exactly, not trimmed nor cut
  std::string library;               // the library the blocks open with; empty: Import ""
  CompilerSettings compiler;         // what is known of the compiler beyond the source
};

/// Scans the source named by `argument`, reports through `ui` and saves the import block. The
/// desktop programs' argument loses its surrounding spaces and a double quote ends it.
RunResult runGantrell(const std::string& argument, Ui* ui, const RunOptions& options = {});

#endif  // GANTRELL_DRIVER_RUN_H_
