#include "header/import_header.h"

#include "scan/classifier.h"
#include "text/code_page.h"
#include "text/text_ops.h"
#include "text/utf8_decode.h"

const char kProgramBanner[] = "Gantrell - PureBasic DLL import header generator";

namespace {

// What a token means to the header.
enum class Role { Nothing, Declaration, MacroStart, MacroEnd };

struct TokenRole {
  Role role = Role::Nothing;
  bool cdll = false;           // a ProcedureCDLL declaration
  bool stringSuffix = false;   // the legacy "$" spelling, which returns a string
};

TokenRole roleOf(const TokenList* tokens, int32_t position, bool inMacroBody) {
  const TokenListOps& ops = *tokens->ops;
  const TokenKind kind = static_cast<TokenKind>(ops.getKind(tokens, position));
  TokenRole found;
  if (kind == TokenKind::Number && inMacroBody) {
    // A one-line macro that stands for an apostrophe ("Macro Quote : ' : EndMacro") leaves the
    // literal open, and the literal takes the rest of its line, "EndMacro" included.
    const std::string text = ops.getText(tokens, position);
    if (text[0] == '\'' && (text.size() == 1 || text.back() != '\'') &&
        lowerCase(text).find("endmacro") != std::string::npos)
      found.role = Role::MacroEnd;
    return found;
  }
  if (kind == TokenKind::Keyword) {
    // The lexer stores keywords in lower case.
    if (textEquals(ops.getText(tokens, position), "proceduredll")) found.role = Role::Declaration;
    return found;
  }
  if (kind != TokenKind::Identifier) return found;
  const std::string text = ops.getText(tokens, position);
  // Only words of these lengths and first letters can be one of the words below: most names
  // are not compared.
  const size_t n = text.size();
  const char first = static_cast<char>(text[0] | 0x20);
  if (!(n == 5 && first == 'm') && !(n == 8 && first == 'e') &&
      !((n == 13 || n == 14) && first == 'p'))
    return found;
  if (lowerCaseEquals(text, "macro")) {
    found.role = Role::MacroStart;
  } else if (lowerCaseEquals(text, "endmacro")) {
    found.role = Role::MacroEnd;
  } else if (lowerCaseEquals(text, "procedurecdll") || lowerCaseEquals(text, "procedurecdll$")) {
    found = {Role::Declaration, true, n == 14};
  } else if (lowerCaseEquals(text, "proceduredll$")) {
    found = {Role::Declaration, false, true};
  }
  return found;
}

bool isWord(TokenKind kind) { return kind == TokenKind::Identifier || kind == TokenKind::Keyword; }

DeclarationResult failure(const std::string& text, int32_t line, const std::string& name = "") {
  DeclarationResult result;
  result.name = name;
  result.message = text + decimalText(line);
  result.errorLine = line;
  return result;
}

// A token as it goes into an import line: a comma outside a literal gains one blank.
std::string spaced(const std::string& token) {
  if (!token.empty() && (token[0] == '"' || token[0] == '\'')) return token;
  return replaceText(token, ",", ", ");
}

}  // namespace

bool isLibraryName(const std::string& name) {
  if (name.empty()) return false;
  for (unsigned char c : name)
    if (c == '"' || c < 0x20 || c == 0x7F) return false;
  return true;
}

std::string blockOpening(const char* keyword, const std::string& library) {
  return std::string(keyword) + " \"" + library + "\"\r\n\t";
}

void nameLibrary(ImportHeader* header, const std::string& name) {
  header->dll.text = blockOpening("Import", name);
  header->cdll.text = blockOpening("ImportC", name);
}

bool startsDeclaration(const TokenList* tokens, int32_t position, ImportHeader* header) {
  const TokenRole token = roleOf(tokens, position, header->inMacroBody);
  if (token.role == Role::MacroStart || token.role == Role::MacroEnd)
    header->inMacroBody = token.role == Role::MacroStart;
  return token.role == Role::Declaration && !header->inMacroBody;
}

DeclarationResult scanDeclaration(const TokenList* tokens, int32_t position, ImportHeader* header) {
  const TokenRole token = roleOf(tokens, position, false);
  const TokenListOps& ops = *tokens->ops;
  const int32_t count = ops.count(tokens);
  const int32_t declarationLine = ops.getLine(tokens, position);
  ImportBlock& block = token.cdll ? header->cdll : header->dll;
  int32_t p = position;
  ++block.declarationCount;

  std::string typeSuffix = ".i";
  const bool hasSuffix = !token.stringSuffix && textEquals(ops.getText(tokens, p + 1), ".");
  const int32_t namePosition = p + (hasSuffix ? 3 : 1);
  if (hasSuffix) {
    const std::string suffix = ops.getText(tokens, p + 2);
    if (!textEquals(suffix, "s")) typeSuffix = "." + suffix;
  }
  // A line end, a literal, an operator or punctuation would make a block line nobody can use.
  if (!isWord(static_cast<TokenKind>(ops.getKind(tokens, namePosition))))
    return failure("Syntax error in line ",
                   namePosition < count ? ops.getLine(tokens, namePosition) : declarationLine);
  const std::string name = ops.getText(tokens, namePosition);
  p = namePosition + 1;

  // The name goes back with a failure too: the status line shows it above the error box.
  if (!textEquals(ops.getText(tokens, p), "(")) {
    // Past the end of the list there is no token to name: the declaration's own line stands in.
    return failure("Syntax error in line ", p < count ? ops.getLine(tokens, p) : declarationLine,
                   name);
  }
  // The list runs to the ")" that matches its "(". Its line feeds are left out, two words in a
  // row keep one blank between them, and everything else is joined as it stands.
  const int32_t openLine = ops.getLine(tokens, p);
  std::string parameters;
  TokenKind previousKind = TokenKind::None;
  for (int32_t depth = 1;;) {
    if (++p >= count) return failure("Symbol ')' expected in line ", openLine, name);
    const std::string text = ops.getText(tokens, p);
    if (textEquals(text, "(")) ++depth;
    if (textEquals(text, ")") && --depth == 0) break;
    if (textEquals(text, "\n")) continue;
    const TokenKind kind = static_cast<TokenKind>(ops.getKind(tokens, p));
    if (isWord(kind) && isWord(previousKind)) parameters += ' ';
    parameters += spaced(text);
    previousKind = kind;
  }
  // A procedure declared more than once (say once per target system) is imported once: the
  // first declaration wins.
  if (block.names.insert(lowerCase(name)).second)
    block.text += spaced(name) + spaced(typeSuffix) + " (" + parameters + ")\r\n\t";
  DeclarationResult result;
  result.ok = true;
  result.name = name;
  result.position = p;
  return result;
}

void finishHeader(ImportHeader* header) {
  const std::string closing = std::string("; Generated by ") + kProgramBanner + "\r\nEndImport\r\n";
  header->text.clear();
  for (const ImportBlock* block : {&header->dll, &header->cdll})
    if (block->declarationCount > 0) header->text += block->text + closing;
  header->text = encodeBlock(header->text);
}

std::string encodeBlock(const std::string& text) {
  if (!holdsNonAscii(text.data(), text.size())) return text;
  // The 8-bit form is what every block was before sources could hold more; the compiler reads
  // a block with a mark as UTF-8.
  std::string bytes;
  if (utf8ToEightBit(text, &bytes)) return bytes;
  return "\xEF\xBB\xBF" + text;
}
