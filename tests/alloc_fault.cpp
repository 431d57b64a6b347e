// Linked into a test-only copy of gantrell-cli: makes chosen allocations fail, so that a sweep
// can prove that every allocation failure ends in "Out of memory." or the right output. The C
// allocation functions are replaced (operator new, PCRE2 and the C library all reach them) and
// forward to the C library's own.
//   GANTRELL_FAIL_ALLOC=N    the Nth allocation after start-up fails, the others succeed
//   GANTRELL_FAIL_ALLOC=N+   the Nth and every later one fail
//   GANTRELL_ALLOC_COUNT=F   the number of allocations made is written to the file F at exit
#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
}

namespace {

bool armed = false;
unsigned long made = 0;
unsigned long failAt = 0;  // 0: none
bool failOnward = false;

// Counts one allocation; true when it is to fail.
bool failsNow() {
  if (!armed) return false;
  ++made;
  if (failAt == 0 || made < failAt || (made > failAt && !failOnward)) return false;
  errno = ENOMEM;
  return true;
}

// Armed once the libraries have started, before the program's own start-up.
__attribute__((constructor(101))) void arm() {
  if (const char* setting = std::getenv("GANTRELL_FAIL_ALLOC")) {
    char* end = nullptr;
    failAt = std::strtoul(setting, &end, 10);
    failOnward = *end == '+';
  }
  armed = true;
}

__attribute__((destructor)) void report() {
  const char* path = std::getenv("GANTRELL_ALLOC_COUNT");
  if (path == nullptr) return;
  armed = false;
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%lu\n", made);
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  if (::write(fd, text, static_cast<size_t>(length)) != length) errno = 0;
  ::close(fd);
}

}  // namespace

extern "C" void* malloc(size_t size) { return failsNow() ? nullptr : __libc_malloc(size); }

extern "C" void* calloc(size_t count, size_t size) {
  return failsNow() ? nullptr : __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, size_t size) {
  return failsNow() ? nullptr : __libc_realloc(block, size);
}
