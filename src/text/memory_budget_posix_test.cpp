#include "text/memory_budget.h"

#include <gtest/gtest.h>

#include "test_support.h"

TEST(MemoryBudgetPosix, TheLowestCgroupLimitOnTheWayUpHolds) {
  ScratchDir scratch;
  const std::string root = scratch.path().substr(0, scratch.path().size() - 1);
  // A v1 memory hierarchy with a limit on the parent of the process's group, and a v2 hierarchy
  // whose own group has none ("max").
  scratch.write("proc/self/cgroup", "4:memory:/jobs/run\n0::/user/app\n3:cpu:/\n");
  scratch.write("proc/self/mountinfo",
                "31 23 0:28 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
                "35 31 0:32 / /sys/fs/cgroup/memory rw,relatime - cgroup cgroup rw,memory\n"
                "41 31 0:38 / /sys/fs/cgroup/unified rw shared:9 - cgroup2 cgroup2 rw\n");
  scratch.write("sys/fs/cgroup/memory/jobs/memory.limit_in_bytes", "67108864\n");
  scratch.write("sys/fs/cgroup/memory/jobs/run/memory.limit_in_bytes", "9223372036854771712\n");
  scratch.write("sys/fs/cgroup/unified/user/app/memory.max", "max\n");
  EXPECT_EQ(uint64_t{67108864}, systemMemoryLimit(root));
  // A lower v2 limit wins; without any, the physical memory is the limit.
  scratch.write("sys/fs/cgroup/unified/user/memory.max", "33554432\n");
  EXPECT_EQ(uint64_t{33554432}, systemMemoryLimit(root));
  const uint64_t physical = systemMemoryLimit(root + "/none");
  EXPECT_TRUE(physical > 67108864 && physical < UINT64_MAX);
}
