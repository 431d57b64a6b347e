#include "scan/token_list.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/memory_budget.h"

namespace {

// Holders and character copies are carved from chunks that the list owns, so a token costs no
// allocation of its own; the chunks go when the list is freed.
struct Chunk {
  Chunk* next;
  size_t used;
  size_t size;
};

constexpr size_t kChunkSize = 64 * 1024;

// The list object with the chunks behind it; the TokenList comes first, so a pointer to the
// list is a pointer to the whole. Holders and characters have chunks of their own, so that
// neither pads the other.
struct TokenListStorage {
  TokenList list;
  Chunk* holders;
  Chunk* characters;
  int32_t reserved;  // records the block has room for; capacity never exceeds it
};

TokenListStorage* storageOf(TokenList* list) { return reinterpret_cast<TokenListStorage*>(list); }

char* chunkData(Chunk* chunk) { return reinterpret_cast<char*>(chunk + 1); }

// Starts a new chunk for a request of `bytes` that the current one can't take; null when memory
// runs out.
[[gnu::noinline]] void* allocateInNewChunk(Chunk*& head, size_t bytes) {
  // A large request gets a chunk of its own, kept behind the current one.
  const bool large = bytes > kChunkSize / 4;
  const size_t size = large ? bytes : kChunkSize;
  if (!takeFromMemoryBudget(sizeof(Chunk) + size)) return nullptr;
  Chunk* chunk = static_cast<Chunk*>(std::malloc(sizeof(Chunk) + size));
  if (chunk == nullptr) {
    giveToMemoryBudget(sizeof(Chunk) + size);
    return nullptr;
  }
  chunk->used = bytes;
  chunk->size = size;
  if (large && head != nullptr) {
    chunk->next = head->next;
    head->next = chunk;
  } else {
    chunk->next = head;
    head = chunk;
  }
  return chunkData(chunk);
}

// Returns `bytes` bytes aligned to `align` from a chain of chunks, or null when memory runs out.
inline void* allocate(Chunk*& head, size_t bytes, size_t align) {
  if (head != nullptr) {
    const size_t start = (head->used + align - 1) & ~(align - 1);
    if (start + bytes <= head->size) {
      head->used = start + bytes;
      return chunkData(head) + start;
    }
  }
  return allocateInNewChunk(head, bytes);
}

bool inRange(const TokenList* list, int32_t index) { return index >= 0 && index < list->count; }

char* copyText(TokenList* list, std::string_view text) {
  char* copy = static_cast<char*>(allocate(storageOf(list)->characters, text.size() + 1, 1));
  if (copy == nullptr) return nullptr;
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

// Makes room for 255 more records; false when the block can't be enlarged.
[[gnu::noinline]] bool grow(TokenList* list) {
  // The capacity grows by 255 records; the memory behind it doubles, so that a million tokens
  // don't cost thousands of copies of the whole block where realloc moves it.
  const int32_t grown = list->capacity + kTokenListGrowth;
  int32_t& reserved = storageOf(list)->reserved;
  if (grown > reserved) {
    const int32_t doubled = reserved > INT32_MAX / 2 ? INT32_MAX : reserved * 2;
    const int32_t room = doubled > grown ? doubled : grown;
    const size_t bytes = static_cast<size_t>(room) * sizeof(Token);
    if (!takeFromMemoryBudget(bytes)) return false;
    void* block = std::realloc(list->entries, bytes);
    if (block == nullptr) {
      giveToMemoryBudget(bytes);
      return false;
    }
    giveToMemoryBudget(static_cast<size_t>(reserved) * sizeof(Token));
    list->entries = static_cast<Token*>(block);
    reserved = room;
  }
  // Only the records the capacity takes in are zeroed: the rest of the room stays untouched.
  std::memset(list->entries + list->capacity, 0,
              static_cast<size_t>(kTokenListGrowth) * sizeof(Token));
  list->capacity = grown;
  return true;
}

int add(TokenList* list, std::string_view text, int16_t kind, int32_t line) {
  // The list grows before its last record fills: one zeroed record always lies beyond the last
  // token.
  if (list->capacity <= list->count + 1 && !grow(list)) return 0;
  char** holder =
      static_cast<char**>(allocate(storageOf(list)->holders, sizeof(char*), alignof(char*)));
  char* characters = holder == nullptr ? nullptr : copyText(list, text);
  if (characters == nullptr) return 0;
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
  char* characters = copyText(list, text);
  if (characters == nullptr) return 0;
  Token& token = list->entries[index];
  *token.text = characters;  // the old copy stays in its chunk until the list is freed
  if (kind != KeepValue) token.kind = static_cast<int16_t>(kind);
  if (line != KeepValue) token.line = line;
  return 1;
}

int32_t count(const TokenList* list) { return list->count; }

void freeChunks(Chunk* chunk) {
  while (chunk != nullptr) {
    Chunk* next = chunk->next;
    giveToMemoryBudget(sizeof(Chunk) + chunk->size);
    std::free(chunk);
    chunk = next;
  }
}

int freeList(TokenList* list) {
  freeChunks(storageOf(list)->holders);
  freeChunks(storageOf(list)->characters);
  std::free(list->entries);
  giveToMemoryBudget(static_cast<size_t>(storageOf(list)->reserved) * sizeof(Token) +
                     sizeof(TokenListStorage));
  std::free(storageOf(list));
  return 0;
}

const TokenListOps kOperations = {add, getText, getKind, getLine, setToken, count, freeList};

}  // namespace

TokenList* newTokenList() {
  if (!takeFromMemoryBudget(sizeof(TokenListStorage))) return nullptr;
  TokenListStorage* storage =
      static_cast<TokenListStorage*>(std::calloc(1, sizeof(TokenListStorage)));
  if (storage == nullptr) {
    giveToMemoryBudget(sizeof(TokenListStorage));
    return nullptr;
  }
  storage->list.ops = &kOperations;
  return &storage->list;
}
