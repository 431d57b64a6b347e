#include "text/memory_budget.h"

#include <cstdint>

namespace {

size_t budget = SIZE_MAX;

}  // namespace

void setMemoryBudget(size_t bytes) { budget = bytes; }

bool takeFromMemoryBudget(size_t bytes) {
  if (budget == SIZE_MAX) return true;
  if (bytes > budget) return false;
  budget -= bytes;
  return true;
}
