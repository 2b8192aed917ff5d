// The store's text form on its own: what a rewrite must keep, and which lines
// a parse must refuse rather than misread.

#include "platform/registry_text.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

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
    const ValueMap& values = store.keys.at("a\\b");
    EXPECT_EQ(values.at("bin").Type(), ValueType::Other);
    EXPECT_EQ(values.at("Path").data, "%HOME%\\x");
    EXPECT_EQ(values.at("[odd=name").data, "v=w");
    EXPECT_TRUE(store.keys.at("C").empty()) << "an empty key still exists";
    EXPECT_EQ(FormatStore(store), text);
}

TEST(RegistryText, MalformedValuesAreDroppedNotMisread)
{
    const StoreContents store = ParseStore("[K]\n"
                                           "A=REG_DWORD:2147483648\nB=REG_DWORD:12x\nC=REG_DWORD:\n"
                                           "D=REG_SZ:\\q\nE=REG_SZ:\\x4\nF=REG_SZ:end\\\n"
                                           "G=REG_DWORD:-7\n");
    const ValueMap& values = store.keys.at("K");
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values.at("G").data, "-7");
}

} // namespace
} // namespace tumbaro
