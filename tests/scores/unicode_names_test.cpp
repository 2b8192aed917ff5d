// Reading a table line as text: UTF-8 when it is, Latin-1 when it is not, so
// old tables read as they always did and every ASCII line keeps its bytes.

#include "scores/name_text.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

TEST(LineAsUtf8, UnchangedWhenValidElseReadAsLatin1)
{
    const struct {
        const char* what;
        std::string bytes, text;
    } cases[] = {
        {"ASCII", "Annabell", "Annabell"},
        {"Polish in UTF-8", "\xC5\x81ukasz", "\xC5\x81ukasz"},
        {"four-byte character", "\xF0\x9F\x98\x80!", "\xF0\x9F\x98\x80!"},
        {"Latin-1 umlaut", "J\xFCrgen", "J\xC3\xBCrgen"},
        {"Latin-1 letters that look like a lead byte", "\xC5\x20", "\xC3\x85\x20"},
        {"cut-off sequence", "ab\xE2\x82", "ab\xC3\xA2\xC2\x82"},
        {"surrogate half", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LineAsUtf8(c.bytes), c.text) << c.what;
        EXPECT_TRUE(IsValidUtf8(LineAsUtf8(c.bytes))) << c.what;
        EXPECT_EQ(IsValidUtf8(c.bytes), c.bytes == c.text) << c.what;
    }
}

} // namespace
} // namespace tumbaro
