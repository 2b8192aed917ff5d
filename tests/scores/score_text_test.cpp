#include "scores/score_text.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

constexpr std::int32_t Min = INT32_MIN;

TEST(StrToInt, AcceptedForms)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0", 0}, {"+5", 5}, {"-0", 0}, {"  12", 12}, {"007", 7}, {"2147483647", INT32_MAX},
        {"-2147483648", Min}, {"00000000002147483647", INT32_MAX},
        {"$1F", 31}, {"$1f", 31}, {"0x1f", 31}, {"0X1F", 31}, {"x1F", 31}, {"  $10", 16},
        // Hexadecimal is a 32-bit pattern read as signed, as old tables may hold it.
        {"$7FFFFFFF", INT32_MAX}, {"$80000000", Min}, {"$FFFFFFFF", -1}, {"0x00000000FFFFFFFF", -1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(StrToInt(text), value) << "'" << text << "'";
}

TEST(StrToInt, RejectedFormsNameTheWholeText)
{
    const char* const cases[] = {
        "", " ", "12 ", "1.5", "+", "-", "$", "0x", "x", "--1", "+-1", "- 1", "\t12", "12\r",
        "1e3", "1,000", "2147483648", "-2147483649", "99999999999999999999", "$100000000",
        "$G", "-$10", "$-1", "$+1", "0x 1", "$0x1", "abc"};
    for (const std::string text : cases)
        EXPECT_EQ(test::ErrorOf([&] { StrToInt(text); }), "'" + text + "' is not a valid integer value");
    EXPECT_THROW(StrToInt(std::string("12\0", 3)), GameError);
}

TEST(IntToStr, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(95), "95");
    EXPECT_EQ(IntToStr(-7), "-7");
    EXPECT_EQ(IntToStr(Min), "-2147483648");
}

} // namespace
} // namespace tumbaro
