#include "platform/Processors.h"

#include <gtest/gtest.h>

TEST(Processors, Should_CountTheProcessorsACgroupQuotaPaysFor_RoundingUp)
{
    EXPECT_EQ(tamsoret::ProcessorsInQuota("max 100000\n"), 0u);
    EXPECT_EQ(tamsoret::ProcessorsInQuota("150000 100000\n"), 2u);
    EXPECT_EQ(tamsoret::ProcessorsInQuota("50000 100000"), 1u);
    EXPECT_EQ(tamsoret::ProcessorsInQuota("100000 0"), 0u);
}
