// The store's text form on its own: what survives a rewrite, and which lines a
// parse must refuse rather than misread.

#include "platform/registry_text.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

TEST(RegistryText, FieldsEscapeSoThatEveryByteComesBack)
{
    struct Case {
        std::string raw;
        bool isName;
        std::string escaped;
    };
    const Case cases[] = {
        {"plain", false, "plain"},
        {"a\\b", false, "a\\\\b"},
        {"two\nlines\r", false, "two\\nlines\\r"},
        {"a=b[c]", false, "a=b[c]"},
        {"a=b[c]", true, "a\\=b\\[c]"},
        {std::string("\0\t\x7f", 3), false, "\\x00\\x09\\x7F"},
        {"\xc3\xa9", false, "\xc3\xa9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.escaped);
        EXPECT_EQ(EscapeField(c.raw, c.isName), c.escaped);
        EXPECT_EQ(UnescapeField(c.escaped), c.raw);
    }
}

TEST(RegistryText, BrokenEscapesAreRefused)
{
    for (const char* broken : {"end\\", "\\q", "\\x", "\\x4", "\\xG0", "\\x0"}) {
        SCOPED_TRACE(broken);
        EXPECT_FALSE(UnescapeField(broken).has_value());
    }
}

TEST(RegistryText, RewritingKeepsEveryValueAndUnknownTypes)
{
    // In the order a rewrite gives: names sorted without regard to case.
    const std::string text = "[A\\B]\n"
                             "\\[odd\\=name=REG_SZ:v=w\n"
                             "Bin=REG_BINARY:00ff\n"
                             "Count=REG_DWORD:-2147483648\n"
                             "Path=REG_EXPAND_SZ:%HOME%\\\\x\n"
                             "\n"
                             "[C]\n";
    const StoreContents store = ParseStore(text);
    ASSERT_EQ(store.keys.size(), 2u);
    const ValueMap& values = store.keys.at("a\\b");
    EXPECT_EQ(values.at("bin").Type(), ValueType::Other);
    EXPECT_EQ(values.at("Count").Type(), ValueType::Integer);
    EXPECT_EQ(values.at("Path").data, "%HOME%\\x");
    EXPECT_EQ(values.at("[odd=name").data, "v=w");
    EXPECT_EQ(FormatStore(store), text);
    EXPECT_TRUE(store.keys.at("C").empty()) << "an empty key still exists";
}

TEST(RegistryText, LaterLinesWinAndSectionsOfOneKeyMerge)
{
    const StoreContents store = ParseStore("[K]\nA=REG_SZ:1\n[k]\nB=REG_SZ:2\nA=REG_SZ:3\n");
    ASSERT_EQ(store.keys.size(), 1u);
    const ValueMap& values = store.keys.begin()->second;
    EXPECT_EQ(values.at("A").data, "3");
    EXPECT_EQ(values.at("B").data, "2");
}

TEST(RegistryText, IntegersOutsideThirtyTwoBitsAreDropped)
{
    const StoreContents store =
        ParseStore("[K]\nA=REG_DWORD:2147483648\nB=REG_DWORD:12x\nC=REG_DWORD:\nD=REG_DWORD:-7\n");
    const ValueMap& values = store.keys.at("K");
    EXPECT_EQ(values.size(), 1u);
    EXPECT_EQ(values.at("D").data, "-7");
}

TEST(RegistryText, KeyPathsAreTrimmedOrRefused)
{
    EXPECT_EQ(NormaliseKeyPath("\\A\\B\\"), "A\\B");
    for (const char* bad : {"", "\\\\", "A\\\\B", "A\nB", "A\rB"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(NormaliseKeyPath(bad).has_value());
    }
}

} // namespace
} // namespace tumbaro
