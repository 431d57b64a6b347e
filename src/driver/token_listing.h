// gantrell-cli's --tokens listing: the token list as text, one token a line.
#ifndef GANTRELL_DRIVER_TOKEN_LISTING_H_
#define GANTRELL_DRIVER_TOKEN_LISTING_H_

#include <string>

#include "scan/token_list.h"

/// Returns one line per token: its line number, TAB, its kind's name, TAB, its text escaped, so
/// that every token stays on its line and the 8-bit text of a source lists as its bytes.
std::string tokenDump(const TokenList* tokens);

#endif  // GANTRELL_DRIVER_TOKEN_LISTING_H_
