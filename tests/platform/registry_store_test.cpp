// The settings store as the game relies on it: first start, a remembered
// scheme and sound switch, the failures the player is shown, and a store file
// that must survive refused writes and damage.

#include "engine/game_error.h"
#include "platform/registry_store.h"
#include "platform/saved_game_file.h"
#include "platform/sound_setting.h"
#include "ui/settings/scheme_setting.h"
#include "../scratch_files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>

using namespace tumbaro;
using namespace tumbaro::test;
namespace fs = std::filesystem;

namespace {

const std::string GameKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Helvorin";
const std::string FailedScheme = "Failed to set data for 'Scheme'";

class RegistryTest : public ::testing::Test {
protected:
    void Plant(const std::string& values, const std::string& before = "")
    {
        fs::create_directories(Folder());
        std::ofstream(Store(), std::ios::binary | std::ios::trunc) << before + "[" + GameKey + "]\n" + values;
    }
    fs::path Folder() const { return root_ / "config" / "tumbaro"; }
    fs::path Store() const { return Folder() / "registry"; }

    ScratchFolder root_;
};

// A failed open neither makes a store nor leaves an earlier key open for the
// next write; the key's name is matched in any case.
TEST_F(RegistryTest, AFailedOpenMakesNothingAndLeavesNoKeyOpen)
{
    Registry registry(Store());
    EXPECT_FALSE(registry.OpenKey(GameKey, false));
    EXPECT_FALSE(fs::exists(Store()));
    ASSERT_TRUE(registry.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\helvorin", true));
    EXPECT_FALSE(registry.OpenKey("SOFTWARE\\Elsewhere", false));
    EXPECT_THROW(registry.WriteString("Scheme", "2"), GameError);
}

// Only a plain "0" turns the sound off: nothing stored, anything unreadable
// or of another type means on; a store that refuses the switch says so.
TEST_F(RegistryTest, OnlyAStoredZeroTurnsTheSoundOff)
{
    Registry registry(Store());
    EXPECT_TRUE(ReadSoundOn(registry, GameKey)) << "no store at all";
    const std::pair<const char*, bool> cases[] = {{"", true}, {"Sound=REG_SZ:1", true}, {"Sound=REG_SZ:off", true},
                                                  {"Sound=REG_DWORD:0", true}, {"Sound=REG_SZ:0", false}};
    for (const auto& [values, on] : cases) {
        Plant(values);
        Registry fresh(Store());
        EXPECT_EQ(ReadSoundOn(fresh, GameKey), on) << values;
    }
    fs::permissions(Store(), fs::perms(0444));
    EXPECT_FALSE(StoreSoundOn(registry, GameKey, true));
    EXPECT_FALSE(ReadSoundOn(registry, GameKey)) << "a read-only store is still read";
    fs::permissions(Store(), fs::perms(0644));
}

// An editor's byte order mark and lines the store cannot read are the
// player's: they are read around and written back as they were.
TEST_F(RegistryTest, ARewriteKeepsTheByteOrderMarkAndEveryLine)
{
    const std::string bom = "\xEF\xBB\xBF";
    Plant("Scheme=REG_SZ:3\nSound=REG_SZ:0\nnot a value\n[bad\\\\key]\nX=REG_SZ:1\n", bom + "# note\n");
    Registry registry(Store());
    EXPECT_EQ(ReadSchemeAtStart(registry).scheme, 3);
    EXPECT_FALSE(ReadSoundOn(registry, GameKey));
    StoreScheme(registry, 2);
    std::ifstream stored(Store(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stored), {}),
              bom + "# note\n\n[" + GameKey + "]\nScheme=REG_SZ:2\nSound=REG_SZ:0\nnot a value\n[bad\\\\key]\nX=REG_SZ:1\n");
}

// Two windows, each changing its own setting over and over: with every change
// a read-modify-write under the lock, neither ever undoes the other's.
TEST_F(RegistryTest, TwoProcessesChangingTwoSettingsKeepBoth)
{
    Plant("Scheme=REG_SZ:1\nSound=REG_SZ:1\n");
    constexpr int Changes = 100;
    // Returns how often the process found its own last change undone.
    const auto change = [this](const char* name) {
        Registry registry(Store());
        int lost = 0;
        std::string last = "1";
        for (int i = 0; i < Changes; ++i) {
            if (!registry.OpenKey(GameKey, false)) return Changes;
            lost += registry.ReadString(name) != last;
            last = std::to_string(i % 3 + 1);
            registry.WriteString(name, last);
            registry.CloseKey();
        }
        return lost;
    };
    const auto other = InChild([&] { if (change("Sound") != 0) throw GameError("lost a change"); });
    EXPECT_EQ(change("Scheme"), 0);
    EXPECT_TRUE(other()) << "the other process lost a change";
    Registry registry(Store());
    ASSERT_TRUE(registry.OpenKey(GameKey, false));
    const std::string last = std::to_string((Changes - 1) % 3 + 1);
    EXPECT_EQ(registry.ReadString("Scheme"), last);
    EXPECT_EQ(registry.ReadString("Sound"), last);
}

// Whatever is wrong with the stored scheme or the store, the start-up read
// says so once and the game goes on with scheme 1, written back where the
// store takes it; the player's other setting survives.
TEST_F(RegistryTest, ABadSchemeAtStartIsToldAndSchemeOneFollows)
{
    const struct {
        const char* what;
        std::function<void()> make;
        int scheme;
        std::string error, storedAfter;
    } cases[] = {
        {"no store yet", [] {}, 1, "", "1"},
        {"a good scheme", [this] { Plant("Scheme=REG_SZ:2\nSound=REG_SZ:0\n"); }, 2, "", "2"},
        {"out of range", [this] { Plant("Scheme=REG_SZ:7\nSound=REG_SZ:0\n"); }, 1, "", "7"},
        // Damaged lines are read around, and the last of a repeated value counts.
        {"repeated", [this] { Plant("broken\n=\n\\q=REG_SZ:x\nScheme=REG_DWORD:x\r\nScheme=REG_SZ:2\r\nSound=REG_SZ:0\nX=REG_SZ:bad\\"); },
         2, "", "2"},
        {"missing", [this] { Plant("Sound=REG_SZ:0\n"); }, 1, "'' is not a valid integer value", "1"},
        {"wrong type", [this] { Plant("Scheme=REG_DWORD:2\nSound=REG_SZ:0\n"); }, 1, "Invalid data type for 'Scheme'", "1"},
        {"read-only store", [this] { Plant("Scheme=REG_SZ:3\nSound=REG_SZ:0\n"), fs::permissions(Store(), fs::perms(0444)); },
         3, FailedScheme, "3"},
        {"a named pipe", [this] { fs::create_directories(Folder()), ::mkfifo(Store().c_str(), 0644); }, 1, FailedScheme, ""},
        {"a link to a good store", [this] {
             Plant("Scheme=REG_SZ:2\n"), fs::rename(Store(), root_ / "elsewhere"), fs::create_symlink(root_ / "elsewhere", Store());
         }, 1, FailedScheme, ""},
    };
    for (const auto& c : cases) {
        fs::remove_all(root_.path);
        c.make();
        Registry registry(Store());
        const SchemeAtStart start = ReadSchemeAtStart(registry);
        EXPECT_EQ(start.scheme, c.scheme) << c.what;
        EXPECT_EQ(start.error.value_or(""), c.error) << c.what;
        if (c.storedAfter.empty()) continue; // nothing readable, nothing written
        EXPECT_TRUE(fs::is_regular_file(Store())) << c.what;
        ASSERT_TRUE(registry.OpenKeyForReading(GameKey)) << c.what;
        EXPECT_EQ(registry.ReadString("Scheme"), c.storedAfter) << c.what;
        EXPECT_EQ(registry.ReadString("Sound"), std::string(c.what) == "no store yet" ? "" : "0") << c.what;
        fs::permissions(Store(), fs::perms(0644));
    }
}

// What a run killed in the middle of a write left beside the store and the
// saved game goes at the next start; anything newer than this run, or not
// such a file, stays.
TEST_F(RegistryTest, LeftoversOlderThanTheRunGoAtTheStart)
{
    fs::create_directories(Folder());
    // Made this many seconds from now: an hour before the run, or just after its start.
    const struct { const char* name; char kind; int made; bool gone; } cases[] = {
        {".registry.a1B2c3", 'f', -3600, true}, {".game.Zz9yY8", 'f', -3600, true},
        {".registry.a1B2c4", 'f', 60, false}, {".game.Zz9yY7", 'f', 60, false}, // another window's write under way
        {".registry.a1B2c", 'f', -3600, false}, {".game.Zz9-Y8", 'f', -3600, false}, {"game.Zz9yY8", 'f', -3600, false},
        {".notes.a1B2c3", 'f', -3600, false}, {".game.Folder", 'd', -3600, false}, {".game.Link01", 'l', -3600, false},
    };
    for (const auto& c : cases) {
        const fs::path path = Folder() / c.name;
        if (c.kind == 'd') fs::create_directory(path);
        else if (c.kind == 'l') fs::create_symlink(Store(), path);
        else std::ofstream(path) << "x";
        const timespec times[] = {{std::time(nullptr) + c.made, 0}, {std::time(nullptr) + c.made, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << c.name;
    }
    Registry registry(Store());
    ReadSchemeAtStart(registry);
    SavedGameFile(SavedGameFile::BesideStore(Store())).Load();
    for (const auto& c : cases)
        EXPECT_EQ(fs::exists(fs::symlink_status(Folder() / c.name)), !c.gone) << c.name;
}

} // namespace
