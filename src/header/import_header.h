// Builds the import block from the declarations made with the keyword "proceduredll".
#ifndef GANTRELL_HEADER_IMPORT_HEADER_H_
#define GANTRELL_HEADER_IMPORT_HEADER_H_

#include <cstdint>
#include <string>

#include "scan/token_list.h"

class Ui;

/// The program's name and credit line: the progress window's title and the header's signature.
extern const char kProgramBanner[];

/// The text every import block begins with.
extern const char kHeaderStart[];

/// The import block under construction.
struct ImportHeader {
  std::string text = kHeaderStart;
  int32_t declarationCount = 0;
};

/// The outcome of reading one declaration.
struct DeclarationResult {
  bool ok = false;
  int32_t position = 0;    // on success: the ")" that closes the parameter list
  std::string message;     // on failure: the text for the error box
  int32_t errorLine = -1;  // on failure: the combined-text line the message names
};

/// Reads the declaration whose "proceduredll" token stands at `position` into the header.
DeclarationResult scanDeclaration(const TokenList* tokens, int32_t position, ImportHeader* header,
                                  Ui* ui);

/// Spaces the commas and appends the closing comment and "EndImport".
void finishHeader(ImportHeader* header);

#endif  // GANTRELL_HEADER_IMPORT_HEADER_H_
