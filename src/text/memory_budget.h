// A cap on the memory that the token lists and the pattern service may take, so that tests can
// make an allocation fail where it would otherwise need the machine's memory to run out.
#ifndef GANTRELL_TEXT_MEMORY_BUDGET_H_
#define GANTRELL_TEXT_MEMORY_BUDGET_H_

#include <cstddef>

/// Sets how many more bytes may be taken; SIZE_MAX (the start value) takes the cap away.
void setMemoryBudget(size_t bytes);

/// Takes `bytes` from the budget; false, taking nothing, when it does not hold that many.
bool takeFromMemoryBudget(size_t bytes);

#endif  // GANTRELL_TEXT_MEMORY_BUDGET_H_
