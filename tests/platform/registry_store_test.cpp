// The settings store as the game's scheme handling relies on it: first start,
// a remembered scheme, every failure the player can be shown, and a store file
// that must survive failed writes and damage.

#include "engine/game_error.h"
#include "platform/registry_store.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace tumbaro {
namespace {

using test::TempFolder;

const std::string GameKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Helvorin";

// Runs call and returns the message of the GameError it throws, or "" if none.
template <typename Call>
std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const GameError& error) {
        return error.what();
    }
    return {};
}

class RegistryTest : public ::testing::Test {
protected:
    std::filesystem::path Folder() const { return temp_.Path() / "config" / "tumbaro"; }
    std::filesystem::path Store() const { return Folder() / "registry"; }

    void Plant(const std::string& text)
    {
        std::filesystem::create_directories(Folder());
        test::WriteText(Store(), text);
    }

    TempFolder temp_;
};

TEST_F(RegistryTest, FirstStartCreatesTheKeyWithSchemeOneAndTheNextStartReadsIt)
{
    {
        Registry registry(Store());
        EXPECT_FALSE(registry.KeyExists(GameKey));
        EXPECT_FALSE(registry.OpenKey(GameKey, false));
        EXPECT_FALSE(std::filesystem::exists(Store())) << "a failed open must not create the store";
        ASSERT_TRUE(registry.OpenKey(GameKey, true));
        registry.WriteString("Scheme", "1");
        registry.CloseKey();
    }
    Registry next(Store());
    EXPECT_TRUE(next.KeyExists(GameKey));
    ASSERT_TRUE(next.OpenKey(GameKey, false));
    EXPECT_EQ(next.ReadString("Scheme"), "1");
}

TEST_F(RegistryTest, AnExistingKeyOpensWithoutBeingRewritten)
{
    Plant("[" + GameKey + "]\nScheme=REG_SZ:2\n");
    const auto before = std::filesystem::last_write_time(Store());
    const std::string text = test::ReadText(Store());

    Registry registry(Store());
    ASSERT_TRUE(registry.OpenKey(GameKey, false));
    ASSERT_TRUE(registry.OpenKey(GameKey, true));
    EXPECT_EQ(registry.ReadString("Scheme"), "2");
    EXPECT_EQ(test::ReadText(Store()), text);
    EXPECT_EQ(std::filesystem::last_write_time(Store()), before);
}

TEST_F(RegistryTest, ReadingTheSchemeValueByItsStoredType)
{
    struct Case {
        const char* what;
        std::string line; // "" plants the key without the value
        std::string value;
        std::string error;
    };
    const Case cases[] = {
        {"missing value", "", "", ""},
        {"string", "Scheme=REG_SZ:3", "3", ""},
        {"empty string", "Scheme=REG_SZ:", "", ""},
        {"expandable string, read as it is", "Scheme=REG_EXPAND_SZ:%HOME%", "%HOME%", ""},
        {"integer", "Scheme=REG_DWORD:2", "", "Invalid data type for 'Scheme'"},
        {"unknown type", "Scheme=REG_BINARY:0102", "", "Invalid data type for 'Scheme'"},
        {"name in another case", "SCHEME=REG_SZ:2", "2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Plant("[" + GameKey + "]\n" + c.line + "\n");
        Registry registry(Store());
        ASSERT_TRUE(registry.OpenKey(GameKey, false));
        std::string read;
        EXPECT_EQ(ErrorOf([&] { read = registry.ReadString("Scheme"); }), c.error);
        EXPECT_EQ(read, c.value);
    }
}

TEST_F(RegistryTest, KeysAreFoundRegardlessOfCaseAndTheirParentsExist)
{
    Registry registry(Store());
    ASSERT_TRUE(registry.OpenKey(GameKey, true));
    EXPECT_TRUE(registry.KeyExists("software\\microsoft\\windows\\currentversion\\HELVORIN"));
    EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\Microsoft\\"));
    EXPECT_FALSE(registry.KeyExists("SOFTWARE\\Micro"));
    EXPECT_FALSE(registry.KeyExists(""));
    EXPECT_TRUE(registry.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\helvorin", false));
}

TEST_F(RegistryTest, WritingWithoutAnOpenKeyFails)
{
    Registry registry(Store());
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Scheme", "1"); }), "Failed to set data for 'Scheme'");

    ASSERT_TRUE(registry.OpenKey(GameKey, true));
    registry.CloseKey();
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Scheme", "1"); }), "Failed to set data for 'Scheme'");

    // A failed open must not leave the earlier key open for the next write.
    ASSERT_TRUE(registry.OpenKey(GameKey, false));
    EXPECT_FALSE(registry.OpenKey("SOFTWARE\\Elsewhere", false));
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Scheme", "2"); }), "Failed to set data for 'Scheme'");
    EXPECT_EQ(registry.ReadString("Scheme"), "");
}

TEST_F(RegistryTest, AnyStringAndNameRoundTrip)
{
    const std::string texts[] = {
        "",           "1",           "line one\nline two\r\n", "a=b=c",         "C:\\Games\\",
        "\\n literal", "[Not a key]", std::string("\0\x01\x7f", 3), "\xc3\xbc utf-8", "trailing \\",
    };
    {
        Registry registry(Store());
        ASSERT_TRUE(registry.OpenKey(GameKey, true));
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            registry.WriteString("value " + std::to_string(i), texts[i]);
            registry.WriteString(texts[i] + "#name", texts[i]);
        }
    }
    Registry registry(Store());
    ASSERT_TRUE(registry.OpenKey(GameKey, false));
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(registry.ReadString("value " + std::to_string(i)), texts[i]);
        EXPECT_EQ(registry.ReadString(texts[i] + "#name"), texts[i]);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 1)
        << "no temporary files may be left beside the store";
}

TEST_F(RegistryTest, DamagedStoreIsReadAroundAndNeverCrashes)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
    const std::string stores[] = {
        garbage,
        "Scheme=REG_SZ:9\n[" + GameKey + "]\nbroken line\n=\n\\q=REG_SZ:x\nScheme=REG_SZ:2\n",
        "[" + GameKey + "]\r\nScheme=REG_DWORD:not a number\r\nScheme=REG_SZ:2\r\n",
        "[" + GameKey + "\nScheme=REG_SZ:1\n[" + GameKey + "]\nScheme=REG_SZ:2\nOther=REG_SZ:bad\\",
        "[]\n[\\\\]\n[" + GameKey + "]\nScheme=:1\nScheme=REG SZ:1\nScheme=REG_SZ:2",
    };
    for (std::size_t i = 0; i < std::size(stores); ++i) {
        SCOPED_TRACE(i);
        Plant(stores[i]);
        Registry registry(Store());
        if (i == 0) {
            EXPECT_FALSE(registry.OpenKey(GameKey, false));
            continue;
        }
        ASSERT_TRUE(registry.OpenKey(GameKey, false));
        EXPECT_EQ(registry.ReadString("Scheme"), "2");
        // Rewriting keeps what could be read.
        registry.WriteString("Other", "ok");
        EXPECT_EQ(registry.ReadString("Scheme"), "2");
    }
}

TEST_F(RegistryTest, AStoreThatCannotBeReadIsNeitherOpenedNorOverwritten)
{
    std::filesystem::create_directories(Store()); // a folder where the file should be
    Registry registry(Store());
    EXPECT_FALSE(registry.KeyExists(GameKey));
    EXPECT_FALSE(registry.OpenKey(GameKey, false));
    EXPECT_FALSE(registry.OpenKey(GameKey, true));
    EXPECT_TRUE(std::filesystem::is_directory(Store()));
}

TEST_F(RegistryTest, AStoreFolderThatCannotBeMadeFailsTheCreate)
{
    test::WriteText(temp_.Path() / "config", "a file, not a folder");
    Registry registry(Store());
    EXPECT_FALSE(registry.OpenKey(GameKey, true));
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Scheme", "1"); }), "Failed to set data for 'Scheme'");
}

TEST_F(RegistryTest, AReadOnlyStoreRefusesWritesAndStaysReadable)
{
    struct Case {
        const char* what;
        mode_t fileMode, folderMode;
    };
    const Case cases[] = {{"read-only file", 0444, 0755}, {"read-only folder", 0644, 0555}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Plant("[" + GameKey + "]\nScheme=REG_SZ:2\n");
        const std::string text = test::ReadText(Store());
        test::HandToOrdinaryUser(Store());
        test::HandToOrdinaryUser(Folder());
        ::chmod(Store().c_str(), c.fileMode);
        ::chmod(Folder().c_str(), c.folderMode);

        const int result = test::RunAsOrdinaryUser([&] {
            Registry registry(Store());
            CHILD_CHECK(registry.KeyExists(GameKey));
            CHILD_CHECK(!registry.OpenKey(GameKey, false));
            CHILD_CHECK(!registry.OpenKey(GameKey, true));
            CHILD_CHECK(ErrorOf([&] { registry.WriteString("Scheme", "1"); }) == "Failed to set data for 'Scheme'");
            return 0;
        });
        if (result == test::CannotDropRoot) GTEST_SKIP() << "no ordinary user to test as";
        EXPECT_EQ(result, 0);
        EXPECT_EQ(test::ReadText(Store()), text);
        ::chmod(Folder().c_str(), 0755);
        ::chmod(Store().c_str(), 0644);
    }
}

TEST_F(RegistryTest, AFailedWriteLeavesTheStoreIntact)
{
    Plant("[" + GameKey + "]\nScheme=REG_SZ:2\n");
    const std::string text = test::ReadText(Store());
    test::HandToOrdinaryUser(Store());
    test::HandToOrdinaryUser(Folder());

    const int result = test::RunAsOrdinaryUser([&] {
        Registry registry(Store());
        CHILD_CHECK(registry.OpenKey(GameKey, false));
        // The folder turns read-only while the key is open.
        CHILD_CHECK(::chmod(Folder().c_str(), 0555) == 0);
        CHILD_CHECK(ErrorOf([&] { registry.WriteString("Scheme", "3"); }) == "Failed to set data for 'Scheme'");
        CHILD_CHECK(registry.ReadString("Scheme") == "2");
        return 0;
    });
    if (result == test::CannotDropRoot) GTEST_SKIP() << "no ordinary user to test as";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::ReadText(Store()), text);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 1);
}

TEST(RegistryDefaultStoreFile, FollowsTheUserConfigurationFolderConvention)
{
    struct Case {
        const char* xdg; // nullptr: unset
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"/xdg/config", "/xdg/config/tumbaro/registry"},
        {nullptr, "/home/player/.config/tumbaro/registry"},
        {"", "/home/player/.config/tumbaro/registry"},
        {"relative/config", "/home/player/.config/tumbaro/registry"},
    };
    const char* oldHome = std::getenv("HOME");
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    const std::string savedXdg = oldXdg ? oldXdg : "";

    ::setenv("HOME", "/home/player", 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdg ? c.xdg : "(unset)");
        if (c.xdg) {
            ::setenv("XDG_CONFIG_HOME", c.xdg, 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
        EXPECT_EQ(Registry::DefaultStoreFile(), c.expected);
    }

    oldHome ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
    oldXdg ? ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace tumbaro
