#include "driver/token_listing.h"

#include <cstdio>
#include <string_view>

#include "scan/classifier.h"
#include "text/code_page.h"
#include "text/text_ops.h"
#include "text/utf8_decode.h"

namespace {

// Appends one byte of a token's text: control bytes, backslashes and bytes from 0x7F up escaped.
void appendEscapedByte(unsigned char c, std::string* out) {
  if (c == '\n') {
    *out += "\\n";
  } else if (c == '\r') {
    *out += "\\r";
  } else if (c == '\t') {
    *out += "\\t";
  } else if (c == '\\') {
    *out += "\\\\";
  } else if (c < 0x20 || c >= 0x7F) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", c);
    *out += hex;
  } else {
    out->push_back(static_cast<char>(c));
  }
}

// Writes a token's text one character at a time: a character that the 8-bit text of sources
// without a mark holds (Latin-1 on Linux, the ANSI code page on Windows) as its bytes there,
// escaped, so that such sources list as they always did; any other character as UTF-8.
std::string escapeTokenText(const std::string& text) {
  std::string out;
  std::string bytes;
  for (size_t at = 0; at < text.size();) {
    const size_t start = at;
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      appendEscapedByte(static_cast<unsigned char>(text[at++]), &out);
      continue;
    }
    nextCodePoint(text, &at);
    const std::string_view character = std::string_view(text).substr(start, at - start);
    if (utf8ToEightBit(character, &bytes)) {
      for (const char c : bytes) appendEscapedByte(static_cast<unsigned char>(c), &out);
    } else {
      out += character;
    }
  }
  return out;
}

}  // namespace

std::string tokenDump(const TokenList* tokens) {
  std::string out;
  const int32_t count = tokens->ops->count(tokens);
  for (int32_t i = 0; i < count; ++i) {
    out += decimalText(tokens->ops->getLine(tokens, i));
    out += '\t';
    out += tokenKindName(tokens->ops->getKind(tokens, i));
    out += '\t';
    out += escapeTokenText(tokens->ops->getText(tokens, i));
    out += '\n';
  }
  return out;
}

