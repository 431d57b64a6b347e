// The growable, index-addressed list of tokens that source scanning hands to the driver.
#ifndef GANTRELL_SCAN_TOKEN_LIST_H_
#define GANTRELL_SCAN_TOKEN_LIST_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// Passed to setToken as kind or line: the field keeps its stored value.
constexpr int32_t KeepValue = -65535;

/// One stored token: its own copy of the text (behind a holder), its kind and its line.
struct Token {
  char** text;
  int16_t kind;
  int32_t line;
};

struct TokenList;

/// The table of operations that every TokenList refers to, in slot order.
struct TokenListOps {
  int (*add)(TokenList* list, std::string_view text, int16_t kind, int32_t line);
  std::string (*getText)(const TokenList* list, int32_t index);
  int32_t (*getKind)(const TokenList* list, int32_t index);
  int32_t (*getLine)(const TokenList* list, int32_t index);
  int (*setToken)(TokenList* list, int32_t index, const std::string& text, int32_t kind,
                  int32_t line);
  int32_t (*count)(const TokenList* list);
  int (*free)(TokenList* list);
};

/// A list of tokens, reached through its operation table.
struct TokenList {
  const TokenListOps* ops;
  Token* entries;
  int32_t count;
  int32_t capacity;
};

/// Records added to the block each time it is full.
constexpr int32_t kTokenListGrowth = 255;

/// Makes a new, empty list.
TokenList* newTokenList();

/// Frees a list through its own operation table.
struct FreeTokenList {
  void operator()(TokenList* list) const { list->ops->free(list); }
};

/// A token list with one owner, freed however the owner goes (an early return, an exception).
using OwnedTokenList = std::unique_ptr<TokenList, FreeTokenList>;

#endif  // GANTRELL_SCAN_TOKEN_LIST_H_
