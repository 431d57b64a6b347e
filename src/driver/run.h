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

/// How a run ended.
enum class RunOutcome {
  MissingArgument,
  SourceTooLarge,
  Closed,
  DeclarationError,
  NothingToExport,
  Saved,
  Cancelled,
  CreateFailed,
  WriteFailed,
  SourceRefused,
};

/// What a run did, for front ends that report more than the Ui shows.
struct RunResult {
  RunOutcome outcome = RunOutcome::MissingArgument;
  std::string message;     // the text of the error box, if one was shown
  int32_t errorLine = -1;  // the combined-text line a declaration error names
  std::string sourcePath;  // the argument, without its surrounding spaces where trimmed
  std::string saveError;   // the system's reason when the output could not be written
  ImportHeader header;     // finished when the scan found declarations
  SourceMap sourceMap;     // where the lines of the combined text came from
};

/// Scans the source named by `argument`, reports through `ui` and saves the import block. With
/// `trim` the argument loses its surrounding spaces and a double quote ends it; without, it is
/// the path exactly.
RunResult runGantrell(const std::string& argument, Ui* ui, bool trim = true);

#endif  // GANTRELL_DRIVER_RUN_H_
