#include "text/memory_budget.h"

#include <cstdlib>

namespace {

// Bytes taken and the cap on them; SIZE_MAX as the cap means none. The cap is read from the
// system on first use, so a program that sets its own never reads it.
size_t used = 0;
bool capSet = false;
size_t cap = SIZE_MAX;

size_t currentCap() {
  if (!capSet) {
    cap = defaultMemoryBudget();
    capSet = true;
  }
  return cap;
}

}  // namespace

void setMemoryBudget(size_t bytes) {
  capSet = true;
  cap = bytes == SIZE_MAX || bytes > SIZE_MAX - used ? SIZE_MAX : used + bytes;
}

bool takeFromMemoryBudget(size_t bytes) {
  const size_t limit = currentCap();
  if (limit != SIZE_MAX && (bytes > limit || used > limit - bytes)) return false;
  used += bytes;
  return true;
}

void giveToMemoryBudget(size_t bytes) { used -= bytes < used ? bytes : used; }

namespace {

// Each block of budgetedMalloc keeps its size in front of it, so that freeing it gives the bytes
// back; the field keeps the block's alignment.
constexpr size_t kSizeField = alignof(std::max_align_t);

}  // namespace

void* budgetedMalloc(size_t bytes) {
  if (bytes > SIZE_MAX - kSizeField || !takeFromMemoryBudget(bytes + kSizeField)) return nullptr;
  char* block = static_cast<char*>(std::malloc(bytes + kSizeField));
  if (block == nullptr) {
    giveToMemoryBudget(bytes + kSizeField);
    return nullptr;
  }
  *reinterpret_cast<size_t*>(block) = bytes + kSizeField;
  return block + kSizeField;
}

void budgetedFree(void* data) {
  if (data == nullptr) return;
  char* block = static_cast<char*>(data) - kSizeField;
  giveToMemoryBudget(*reinterpret_cast<size_t*>(block));
  std::free(block);
}

size_t defaultMemoryBudget() {
  const uint64_t limit = systemMemoryLimit();
  const uint64_t budget = limit - limit / 8;
  return budget >= SIZE_MAX ? SIZE_MAX - 1 : static_cast<size_t>(budget);
}

MemoryClaim& MemoryClaim::operator=(MemoryClaim&& other) noexcept {
  if (this != &other) {
    giveToMemoryBudget(bytes_);
    bytes_ = other.bytes_;
    other.bytes_ = 0;
  }
  return *this;
}

void MemoryClaim::hold(size_t bytes) {
  if (bytes > bytes_ && !takeFromMemoryBudget(bytes - bytes_)) throw std::bad_alloc();
  if (bytes < bytes_) giveToMemoryBudget(bytes_ - bytes);
  bytes_ = bytes;
}

void reserveClaimed(std::string* text, size_t needed, MemoryClaim* claim) {
  if (needed <= text->capacity()) return;
  const size_t doubled = text->capacity() > SIZE_MAX / 2 ? SIZE_MAX : text->capacity() * 2;
  const size_t room = doubled > needed ? doubled : needed;
  // The old block and the new one live side by side while the text moves.
  claim->hold(claim->bytes() + room + 1);
  text->reserve(room);
  claim->hold(text->capacity() + 1);
}
