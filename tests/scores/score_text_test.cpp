#include "scores/score_text.h"

#include "engine/game_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace tumbaro {
namespace {

struct Accepted {
    std::string text;
    std::int32_t value;
};

void PrintTo(const Accepted& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class StrToIntAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, GivesTheValue)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToIntAccepts,
    testing::Values(Accepted{"0", 0}, Accepted{"+5", 5}, Accepted{"-0", 0}, Accepted{"  12", 12},
                    Accepted{"007", 7}, Accepted{"$1F", 31}, Accepted{"$1f", 31},
                    Accepted{"0x1f", 31}, Accepted{"0X1F", 31}, Accepted{"x1F", 31},
                    Accepted{"X10", 16}, Accepted{"  $10", 16}, Accepted{"2147483647", 2147483647},
                    Accepted{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                    Accepted{"00000000002147483647", 2147483647},
                    // Hexadecimal is a bit pattern: the full 32 bits read as signed.
                    Accepted{"$7FFFFFFF", 2147483647},
                    Accepted{"$80000000", std::numeric_limits<std::int32_t>::min()},
                    Accepted{"$FFFFFFFF", -1}, Accepted{"0x00000000FFFFFFFF", -1}));

class StrToIntRejects : public testing::TestWithParam<std::string> {};

TEST_P(StrToIntRejects, NamesTheWholeText)
{
    const std::string& text = GetParam();
    try {
        StrToInt(text);
        ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const GameError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToIntRejects,
    testing::Values("", " ", "12 ", "1.5", "+", "-", "$", "0x", "x", "--1", "+-1", "- 1",
                    "\t12", "12\r", "1e3", "1,000", "2147483648", "-2147483649",
                    "99999999999999999999", "$100000000", "$G", "-$10", "$-1", "$+1", "0x 1",
                    "$0x1", "abc"));

TEST(StrToInt, RejectsAnEmbeddedNul)
{
    EXPECT_THROW(StrToInt(std::string("12\0", 3)), GameError);
}

TEST(IntToStr, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(95), "95");
    EXPECT_EQ(IntToStr(-7), "-7");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(IntToStr, ReadsBackToTheSameValue)
{
    for (std::int32_t value : {0, 1, -1, 1234567, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()})
        EXPECT_EQ(StrToInt(IntToStr(value)), value);
}

} // namespace
} // namespace tumbaro
