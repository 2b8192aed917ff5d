#include "engine/random.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

TEST(RandomGenerator, MatchesValuesWorkedOutByHandAndTheHalvesArithmetic)
{
    const std::pair<std::int64_t, std::array<std::uint32_t, 3>> known[] = {
        {0, {346, 13854878, 1621890440}},
        {1, {1410184549, 672584604, 1915668986}},
        {1733500000, {1884232492, 868460515, 680789458}},
    };
    for (const auto& [time, draws] : known) {
        RandomGenerator random;
        random.Seed(time);
        for (std::uint32_t expected : draws)
            EXPECT_EQ(random.Next(), expected) << "T = " << time;
    }
    // The step as first described, on 32-bit halves, over a long run.
    RandomGenerator random;
    random.Seed(9223372036854775807);
    std::uint32_t high = 0, low = static_cast<std::uint32_t>(9223372036854775807ULL * 22695477U + 1U);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t plusOne = std::uint64_t{low} * 20021U + 1U;
        high = static_cast<std::uint32_t>((plusOne >> 32) + 346U * std::uint64_t{low} + 20021U * std::uint64_t{high});
        low = static_cast<std::uint32_t>(plusOne);
        ASSERT_EQ(random.Next(), high & 0x7FFFFFFFU) << "draw " << i;
    }
}

} // namespace
} // namespace tumbaro
