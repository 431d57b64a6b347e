// The Windows half of the memory budget: the physical memory, or the address space of this
// 32-bit process where that is less.
#include <windows.h>

#include "text/memory_budget.h"

uint64_t systemMemoryLimit(const std::string&) {
  MEMORYSTATUSEX status;
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return UINT64_MAX;
  return status.ullTotalPhys < status.ullTotalVirtual ? status.ullTotalPhys
                                                     : status.ullTotalVirtual;
}
