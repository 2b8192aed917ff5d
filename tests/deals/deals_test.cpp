#include "deals/deal_number.h"
#include "deals/game_proof.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace tumbaro {
namespace {

TEST(DealNumber, OnlyTheDigitsOfANumberThatFitsAreADeal)
{
    struct Case {
        const char* text;
        std::optional<DealNumber> number;
        DealNumberFault fault;
    };
    const Case cases[] = {
        {"0", 0, {}},
        {"12345", 12345, {}},
        {"007", 7, {}},
        {"4294967295", 4294967295U, {}},
        {"", std::nullopt, DealNumberFault::Empty},
        {"x", std::nullopt, DealNumberFault::NotDigits},
        {"-1", std::nullopt, DealNumberFault::NotDigits},
        {"+1", std::nullopt, DealNumberFault::NotDigits},
        {" 12", std::nullopt, DealNumberFault::NotDigits},
        {"12 ", std::nullopt, DealNumberFault::NotDigits},
        {"12 34", std::nullopt, DealNumberFault::NotDigits},
        {"1.5", std::nullopt, DealNumberFault::NotDigits},
        {"0x10", std::nullopt, DealNumberFault::NotDigits},
        {"4294967296", std::nullopt, DealNumberFault::TooLarge},
        {"99999999999999999999999", std::nullopt, DealNumberFault::TooLarge},
    };
    for (const Case& c : cases) {
        const DealNumberParse parsed = ParseDealNumber(c.text);
        EXPECT_EQ(parsed.Number, c.number) << '"' << c.text << '"';
        if (!c.number) {
            EXPECT_EQ(parsed.Fault, c.fault) << '"' << c.text << '"';
            EXPECT_NE(DealNumberMessage(parsed.Fault, c.text).find("4294967295"), std::string::npos);
        }
    }
}

TEST(DealNumber, TodayIsTheLocalDateAsYYYYMMDD)
{
    using namespace std::chrono;
    EXPECT_EQ(DealOfDay(2026y / December / 8), 20261208U);
    EXPECT_EQ(DealOfDay(2024y / February / 29), 20240229U);
    EXPECT_EQ(DealOfDay(2026y / February / 29), std::nullopt);

    // 2026-12-08 20:00 UTC is already the 9th fourteen hours east.
    const std::time_t evening = 1796760000;
    const char* saved = std::getenv("TZ");
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(DealOfToday(evening), 20261208U);
    ::setenv("TZ", "<+14>-14", 1);
    ::tzset();
    EXPECT_EQ(DealOfToday(evening), 20261209U);
    if (saved)
        ::setenv("TZ", saved, 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(GameProof, WhatIsWrittenIsReadBackWhole)
{
    GameProof proof{Way::Timed, 4294967295U,
                    {ProofStep::Swap({4, 5}, {4, 6}), ProofStep::Undo(), ProofStep::Swap({8, 8}, {7, 8})}, 165};
    const std::string line = WriteProof(proof);
    EXPECT_EQ(line, "tumbaro timed 4294967295 45-46 undo 88-78 score 165");
    std::string error;
    EXPECT_EQ(ReadProof(line, error), proof) << error;
    EXPECT_EQ(ReadProof("  " + line + "\r\n", error), proof) << error;
    EXPECT_EQ(ReadProof("tumbaro zen 0 score 0", error), (GameProof{Way::Zen, 0, {}, 0})) << error;
}

TEST(GameProof, ALineTheGameNeverWritesIsRefused)
{
    const char* lines[] = {
        "",
        "tumbaro classic 12345 45-46",
        "tumbaro classic 12345 45-46 score",
        "classic 12345 45-46 score 30",
        "tumbaro chess 12345 45-46 score 30",
        "tumbaro classic -1 45-46 score 30",
        "tumbaro classic 4294967296 45-46 score 30",
        "tumbaro classic 12345 45-47 score 30", // not side by side
        "tumbaro classic 12345 45-56 score 30", // corner to corner
        "tumbaro classic 12345 45-45 score 30",
        "tumbaro classic 12345 05-06 score 30",
        "tumbaro classic 12345 45-49 score 30",
        "tumbaro classic 12345 45+46 score 30",
        "tumbaro classic 12345 Undo score 30",
        "tumbaro classic 12345 45-46 score -30",
        "tumbaro classic 12345 45-46 score 30x",
        "tumbaro classic 12345 45-46 score 30 45-46",
        "tumbaro classic 12345 45-46 score 99999999999999999999",
    };
    for (const char* line : lines) {
        std::string error;
        EXPECT_EQ(ReadProof(line, error), std::nullopt) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

} // namespace
} // namespace tumbaro
