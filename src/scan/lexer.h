// Cuts a text into classified tokens with line numbers.
#ifndef GANTRELL_SCAN_LEXER_H_
#define GANTRELL_SCAN_LEXER_H_

#include <cstdint>
#include <string>

/// The one pattern that cuts source text into raw matches.
extern const char kTokenPattern[];

/// Receives each token: its text, its kind, its line and the caller's context.
using TokenSink = void (*)(const std::string& text, int32_t kind, int32_t line, void* context);

/// Hands every token of the text to the sink; returns the raw match count, 0, or -1.
int32_t lexText(const std::string& text, TokenSink sink, void* context);

#endif  // GANTRELL_SCAN_LEXER_H_
