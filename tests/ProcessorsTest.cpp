#include "platform/Processors.h"

#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

TEST(Processors, Should_CountTheProcessorsAQuotaPaysFor_RoundingUp)
{
    const struct
    {
        const char *cpuMax;
        unsigned processors;
    } cases[] = {
        {"max 100000\n", 0}, {"200000 100000\n", 2}, {"150000 100000", 2}, {"50000 100000", 1},
        {"", 0},             {"100000 0", 0},        {"garbage", 0},       {"0 100000", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProcessorsInQuota(c.cpuMax), c.processors) << c.cpuMax;
}

TEST(Processors, Should_GiveOneThreadPerRunOfItems_WithinTheCapAndTheProcessors)
{
    EXPECT_EQ(ThreadsFor(0, 4096, 4, 8), 1u);
    EXPECT_EQ(ThreadsFor(8191, 4096, 4, 8), 1u);
    EXPECT_EQ(ThreadsFor(8192, 4096, 4, 8), 2u);
    EXPECT_EQ(ThreadsFor(1000000, 4096, 4, 8), 4u);
    EXPECT_EQ(ThreadsFor(1000000, 4096, 4, 2), 2u);
}

} // namespace
