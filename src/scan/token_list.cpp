#include "scan/token_list.h"

#include <cstdlib>
#include <cstring>

namespace {

bool inRange(const TokenList* list, int32_t index) { return index >= 0 && index < list->count; }

char* copyText(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

int add(TokenList* list, const std::string& text, int16_t kind, int32_t line) {
  if (list->capacity <= list->count + 1) {
    const int32_t grown = list->capacity + kTokenListGrowth;
    void* block = std::realloc(list->entries, static_cast<size_t>(grown) * sizeof(Token));
    if (block == nullptr) return 0;
    std::memset(static_cast<Token*>(block) + list->capacity, 0,
                static_cast<size_t>(kTokenListGrowth) * sizeof(Token));
    list->entries = static_cast<Token*>(block);
    list->capacity = grown;
  }
  char** holder = static_cast<char**>(std::malloc(sizeof(char*)));
  char* characters = copyText(text);
  if (holder == nullptr || characters == nullptr) {
    std::free(holder);
    std::free(characters);
    return 0;
  }
  *holder = characters;
  Token& token = list->entries[list->count];
  token.text = holder;
  token.kind = kind;
  token.line = line;
  ++list->count;
  return 1;
}

std::string getText(const TokenList* list, int32_t index) {
  if (!inRange(list, index)) return std::string();
  return std::string(*list->entries[index].text);
}

int32_t getKind(const TokenList* list, int32_t index) {
  return inRange(list, index) ? list->entries[index].kind : 0;
}

int32_t getLine(const TokenList* list, int32_t index) {
  return inRange(list, index) ? list->entries[index].line : -1;
}

int setToken(TokenList* list, int32_t index, const std::string& text, int32_t kind, int32_t line) {
  if (!inRange(list, index)) return 0;
  char* characters = copyText(text);
  if (characters == nullptr) return 0;
  Token& token = list->entries[index];
  std::free(*token.text);
  *token.text = characters;
  if (kind != KeepValue) token.kind = static_cast<int16_t>(kind);
  if (line != KeepValue) token.line = line;
  return 1;
}

int32_t count(const TokenList* list) { return list->count; }

int freeList(TokenList* list) {
  for (int32_t i = 0; i < list->count; ++i) {
    std::free(*list->entries[i].text);
    std::free(list->entries[i].text);
  }
  std::free(list->entries);
  std::free(list);
  return 0;
}

const TokenListOps kOperations = {add, getText, getKind, getLine, setToken, count, freeList};

}  // namespace

TokenList* newTokenList() {
  TokenList* list = static_cast<TokenList*>(std::calloc(1, sizeof(TokenList)));
  if (list != nullptr) list->ops = &kOperations;
  return list;
}
