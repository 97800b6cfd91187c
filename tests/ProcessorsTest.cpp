#include "platform/Processors.h"

#include <gtest/gtest.h>

TEST(Processors, Should_CountTheProcessorsACgroupQuotaPaysFor_RoundingUp)
{
    const std::pair<const char *, unsigned> cases[] = {{"max 100000\n", 0},
                                                       {"200000 100000\n", 2},
                                                       {"150000 100000", 2},
                                                       {"50000 100000", 1},
                                                       {"", 0},
                                                       {"100000 0", 0},
                                                       {"garbage", 0},
                                                       {"0 100000", 0}};
    for (const auto &[cpuMax, processors] : cases)
        EXPECT_EQ(tamsoret::ProcessorsInQuota(cpuMax), processors) << cpuMax;
}
