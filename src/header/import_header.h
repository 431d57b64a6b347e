// Builds the import blocks from the procedures a source exports: "ProcedureDLL" declarations go
// into an Import block, "ProcedureCDLL" declarations into an ImportC block.
#ifndef GANTRELL_HEADER_IMPORT_HEADER_H_
#define GANTRELL_HEADER_IMPORT_HEADER_H_

#include <cstdint>
#include <set>
#include <string>

#include "scan/token_list.h"

/// The program's name and credit line: the progress window's title and the header's signature.
extern const char kProgramBanner[];

/// The opening line of a block and the tab of its first import line: `keyword` "library".
std::string blockOpening(const char* keyword, const std::string& library);

/// One import block under construction.
struct ImportBlock {
  std::string text;                // the opening line and the import lines written so far
  int32_t declarationCount = 0;    // declarations met for this block
  std::set<std::string> names;     // the lower-cased names written so far
};

/// The import header under construction, and once finished the whole text to save.
struct ImportHeader {
  ImportBlock dll{blockOpening("Import", ""), 0, {}};    // ProcedureDLL declarations
  ImportBlock cdll{blockOpening("ImportC", ""), 0, {}};  // ProcedureCDLL declarations
  bool inMacroBody = false;         // between a Macro word and its EndMacro
  std::string text;                 // set by finishHeader: the bytes to save (encodeBlock)

  /// The number of declarations met, of both kinds.
  int32_t declarationCount() const { return dll.declarationCount + cdll.declarationCount; }
};

/// The outcome of reading one declaration.
struct DeclarationResult {
  bool ok = false;
  std::string name;        // the procedure's name once read, also when the declaration then
                           // fails; "" when no name stands where it belongs
  int32_t position = 0;    // on success: the ")" that closes the parameter list
  std::string message;     // on failure: the text for the error box
  int32_t errorLine = -1;  // on failure: the combined-text line the message names
};

/// Tells whether `name` can stand between the quotes of an opening line: not empty, and no
/// double quote, line end or other control byte.
bool isLibraryName(const std::string& name);

/// Makes both blocks open with the library `name` (Import "name", ImportC "name"); for a header
/// that holds no declaration yet.
void nameLibrary(ImportHeader* header, const std::string& name);

/// Tells whether the token at `position` starts a declaration to read, and notes where macro
/// bodies begin and end (a declaration inside one is a template, not an export).
bool startsDeclaration(const TokenList* tokens, int32_t position, ImportHeader* header);

/// Reads the declaration that starts at `position` into its block; on success the position is
/// the ")" that closes the parameter list. The caller shows the name it hands back.
DeclarationResult scanDeclaration(const TokenList* tokens, int32_t position, ImportHeader* header);

/// Closes each block that holds a line with the signature and "EndImport", into `text`, and
/// encodes it with encodeBlock.
void finishHeader(ImportHeader* header);

/// Returns the bytes of a finished block's UTF-8 text: the platform's 8-bit text (Latin-1 on
/// Linux, the ANSI code page on Windows) when every character has a byte there, else the UTF-8
/// itself behind a byte-order mark.
std::string encodeBlock(const std::string& text);

#endif  // GANTRELL_HEADER_IMPORT_HEADER_H_
