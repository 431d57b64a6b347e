// Writes the finished import block to the file the user chooses.
#ifndef GANTRELL_HEADER_HEADER_OUTPUT_H_
#define GANTRELL_HEADER_HEADER_OUTPUT_H_

#include <string>

#include "header/import_header.h"

class Ui;

/// How saving the header ended.
enum class SaveOutcome { Saved, Cancelled, CreateFailed, WriteFailed };

extern const char kSaveDialogTitle[];
extern const char kSavePatternList[];
extern const char kCantCreateFile[];
extern const char kCantWriteFile[];

/// Writes the header's bytes to a new or emptied file; tells whether creating or writing failed.
SaveOutcome writeHeaderFile(const std::string& path, const std::string& text);

/// Asks for a path, closes the progress window and writes the header, reporting any failure.
SaveOutcome saveHeader(const ImportHeader& header, const std::string& sourcePath, Ui* ui);

#endif  // GANTRELL_HEADER_HEADER_OUTPUT_H_
