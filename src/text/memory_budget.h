// A cap on the memory that what grows with the input may take (the lines of the files being
// read, the combined text, the token list, the source map, the patterns), so that a source too
// big for the machine ends with "Out of memory." rather than with the kernel killing the process.
#ifndef GANTRELL_TEXT_MEMORY_BUDGET_H_
#define GANTRELL_TEXT_MEMORY_BUDGET_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

/// Sets how many more bytes may be taken from now on; SIZE_MAX takes the cap away. Until it is
/// first called, the cap is defaultMemoryBudget().
void setMemoryBudget(size_t bytes);

/// Takes `bytes` from the budget; false, taking nothing, when it does not hold that many.
bool takeFromMemoryBudget(size_t bytes);

/// Gives back `bytes` taken before, once the memory they stood for is freed.
void giveToMemoryBudget(size_t bytes);

/// Allocates `bytes` taken from the budget, for libraries that take a malloc of their own; null
/// when the budget or the heap has too few. The block remembers its size for budgetedFree.
void* budgetedMalloc(size_t bytes);

/// Frees a block of budgetedMalloc (null is ignored) and gives its bytes back to the budget.
void budgetedFree(void* block);

/// The memory this process may really use: the limit of its memory cgroup (v2 `memory.max`, v1
/// `memory.limit_in_bytes`, the lowest on the way up) where one is set and lower than the
/// machine's physical memory, else that memory; on Windows the physical memory or the address
/// space, whichever is less. `root` is put before every file read (tests give a made-up tree).
uint64_t systemMemoryLimit(const std::string& root = "");

/// The cap a run starts with: systemMemoryLimit() less an eighth, left for what is not counted.
size_t defaultMemoryBudget();

/// An allocator for containers that grow with the input: their memory is taken from the budget
/// and given back when freed; std::bad_alloc when the budget can't give it.
template <class T>
struct BudgetAllocator {
  using value_type = T;
  BudgetAllocator() = default;
  template <class U>
  BudgetAllocator(const BudgetAllocator<U>&) {}
  T* allocate(size_t n) {
    if (n > SIZE_MAX / sizeof(T) || !takeFromMemoryBudget(n * sizeof(T))) throw std::bad_alloc();
    try {
      return std::allocator<T>().allocate(n);
    } catch (...) {
      giveToMemoryBudget(n * sizeof(T));
      throw;
    }
  }
  void deallocate(T* p, size_t n) {
    std::allocator<T>().deallocate(p, n);
    giveToMemoryBudget(n * sizeof(T));
  }
  template <class U>
  bool operator==(const BudgetAllocator<U>&) const { return true; }
  template <class U>
  bool operator!=(const BudgetAllocator<U>&) const { return false; }
};

/// A share of the budget held for memory that something else keeps (a std::string that must
/// stay one), given back when the claim goes.
class MemoryClaim {
 public:
  MemoryClaim() = default;
  MemoryClaim(MemoryClaim&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = 0; }
  MemoryClaim& operator=(MemoryClaim&& other) noexcept;
  MemoryClaim(const MemoryClaim&) = delete;
  MemoryClaim& operator=(const MemoryClaim&) = delete;
  ~MemoryClaim() { giveToMemoryBudget(bytes_); }

  /// Holds `bytes` from now on; throws std::bad_alloc, holding what it held, when the budget
  /// can't give the difference.
  void hold(size_t bytes);
  /// Holds `bytes` more.
  void add(size_t bytes) { hold(bytes_ + bytes); }
  /// The bytes held.
  size_t bytes() const { return bytes_; }

 private:
  size_t bytes_ = 0;
};

/// Makes room for `needed` bytes in `text`, doubling its capacity as it grows, with the memory
/// taken through `claim` before it is allocated.
void reserveClaimed(std::string* text, size_t needed, MemoryClaim* claim);

#endif  // GANTRELL_TEXT_MEMORY_BUDGET_H_
