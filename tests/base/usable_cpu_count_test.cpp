#include <gtest/gtest.h>

#include <sched.h>

#include "base/usable_cpu_count.h"

namespace vlt {
namespace {

TEST(UsableCpuCountTest, FollowsTheAffinityMaskNotTheMachine) {
    cpu_set_t original;
    ASSERT_EQ(sched_getaffinity(0, sizeof original, &original), 0);
    const int allowed = CPU_COUNT(&original);
    EXPECT_LE(usableCpuCount(), allowed);
    EXPECT_GE(usableCpuCount(), 1);

    // This thread alone, pinned to the first processor it may use.
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &original)) {
            CPU_SET(cpu, &one);
            break;
        }
    }
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    const int pinned = usableCpuCount();
    ASSERT_EQ(sched_setaffinity(0, sizeof original, &original), 0);
    EXPECT_EQ(pinned, 1);
}

TEST(UsableCpuCountTest, ReadsControlGroupQuotasRoundedUp) {
    EXPECT_EQ(cpuQuotaProcessors("200000 100000\n"), 2);
    EXPECT_EQ(cpuQuotaProcessors("150000 100000"), 2);
    EXPECT_EQ(cpuQuotaProcessors("20000 100000"), 1);
    EXPECT_EQ(cpuQuotaProcessors("max 100000\n"), std::nullopt);
    EXPECT_EQ(cpuQuotaProcessors(""), std::nullopt);
    EXPECT_EQ(cpuQuotaProcessors("300000"), std::nullopt);
    EXPECT_EQ(cpuQuotaProcessors("400000\n", "100000\n"), 4);
    EXPECT_EQ(cpuQuotaProcessors("-1\n", "100000\n"), std::nullopt);
    EXPECT_EQ(cpuQuotaProcessors("", ""), std::nullopt);
}

}  // namespace
}  // namespace vlt
