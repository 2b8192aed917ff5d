#include "deals/deal_number.h"
#include "deals/game_proof.h"

#include <gtest/gtest.h>

#include <ctime>

namespace tumbaro {
namespace {

TEST(DealNumber, OnlyTheDigitsOfANumberThatFitsAreADeal)
{
    const struct {
        const char* text;
        std::optional<DealNumber> number;
        DealNumberFault fault;
    } cases[] = {
        {"0", 0, {}},
        {"007", 7, {}},
        {"4294967295", 4294967295U, {}},
        {"", std::nullopt, DealNumberFault::Empty},
        {"-1", std::nullopt, DealNumberFault::NotDigits},
        {" 12", std::nullopt, DealNumberFault::NotDigits},
        {"12 34", std::nullopt, DealNumberFault::NotDigits},
        {"4294967296", std::nullopt, DealNumberFault::TooLarge},
    };
    for (const auto& c : cases) {
        const DealNumberParse parsed = ParseDealNumber(c.text);
        EXPECT_EQ(parsed.Number, c.number) << '"' << c.text << '"';
        EXPECT_EQ(parsed.Fault, c.fault) << '"' << c.text << '"';
    }
}

TEST(DealNumber, TodayIsTheLocalDateAsYYYYMMDD)
{
    // 2026-12-08 20:00 UTC is already the 9th fourteen hours east.
    const std::time_t evening = 1796760000;
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(DealOfToday(evening), 20261208U);
    ::setenv("TZ", "<+14>-14", 1);
    ::tzset();
    EXPECT_EQ(DealOfToday(evening), 20261209U);
}

TEST(DealNumber, ANewGameFromTheClockIsNeverTheDealBeforeIt)
{
    const struct {
        std::time_t now;
        std::optional<DealNumber> last;
        DealNumber deal;
    } cases[] = {
        {1796760000, std::nullopt, 1796760000U},
        {1796760000, 1796759990U, 1796760000U},
        {1796760000, 1796760000U, 1796760001U}, // twice in one second
        {1796760000, 1796760005U, 1796760006U}, // the clock set back
        {std::time_t{1} << 32, 4294967295U, 0U}, // past the top, in 2106
    };
    for (const auto& c : cases)
        EXPECT_EQ(DealOfClock(c.now, c.last), c.deal) << c.now;
}

TEST(GameProof, WhatIsWrittenIsReadBackWhole)
{
    GameProof proof{Way::Timed, 4294967295U,
                    {ProofStep::Swap({4, 5}, {4, 6}), ProofStep::Undo(), ProofStep::Swap({8, 8}, {7, 8})}, 165};
    const std::string line = WriteProof(proof);
    EXPECT_EQ(line, "tumbaro timed 4294967295 45-46 undo 88-78 score 165");
    std::string error;
    EXPECT_EQ(ReadProof("  " + line + "\r\n", error), proof) << error;
    EXPECT_EQ(ReadProof("tumbaro zen 0 score 0", error), (GameProof{Way::Zen, 0, {}, 0})) << error;
}

TEST(GameProof, ALineTheGameNeverWritesIsRefused)
{
    const char* lines[] = {
        "",
        "classic 12345 45-46 score 30",
        "tumbaro chess 12345 45-46 score 30",
        "tumbaro classic -1 45-46 score 30",
        "tumbaro classic 12345 45-47 score 30", // not side by side
        "tumbaro classic 12345 45-56 score 30", // corner to corner
        "tumbaro classic 12345 Undo score 30",
        "tumbaro classic 12345 45-46 score -30",
    };
    for (const char* line : lines) {
        std::string error;
        EXPECT_EQ(ReadProof(line, error), std::nullopt) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

} // namespace
} // namespace tumbaro
