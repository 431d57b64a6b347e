// Writes the finished import block to the file the user chooses.
#ifndef GANTRELL_HEADER_HEADER_OUTPUT_H_
#define GANTRELL_HEADER_HEADER_OUTPUT_H_

#include <string>
#include <vector>

#include "header/import_header.h"

class Ui;

/// How saving the header ended.
enum class SaveOutcome { Saved, Cancelled, CreateFailed, WriteFailed, SourceRefused };

extern const char kSaveDialogTitle[];
extern const char kSavePatternList[];
extern const char kCantCreateFile[];
extern const char kCantWriteFile[];
extern const char kCantOverwriteSource[];

/// Tells whether `path` names one of the files in `sources`, by spelling or by identity.
bool namesSourceFile(const std::string& path, const std::vector<std::string>& sources);

/// Writes the header's bytes in place of the file at `path`, which keeps its old content on
/// any failure; tells whether creating or writing failed, with the reason in `err`.
SaveOutcome writeHeaderFile(const std::string& path, const std::string& text,
                            std::string* err = nullptr);

/// Asks for a path, closes the progress window and writes the header unless the path names one
/// of the `sources` read in this run, reporting any failure (its reason in `err`).
SaveOutcome saveHeader(const ImportHeader& header, const std::string& sourcePath,
                       const std::vector<std::string>& sources, Ui* ui,
                       std::string* err = nullptr);

#endif  // GANTRELL_HEADER_HEADER_OUTPUT_H_
