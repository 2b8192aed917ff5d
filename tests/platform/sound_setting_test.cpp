// The stored sound switch: only a plain "0" means off, nothing stored or
// anything unreadable means on, and a store that can't be written refuses
// quietly.

#include "platform/sound_setting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <unistd.h>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;

const std::string Key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Helvorin";

class SoundSetting : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("tumbaro-sound-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        store = folder / "registry";
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        if (fs::is_regular_file(store))
            fs::permissions(store, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
        fs::remove_all(folder);
    }
    fs::path folder;
    fs::path store;
};

TEST_F(SoundSetting, OnlyAStoredZeroMeansOff)
{
    struct Case {
        const char* what;
        std::function<void(Registry&)> prepare;
        bool on;
    };
    const Case cases[] = {
        {"no store at all", [](Registry&) {}, true},
        {"the key without the value", [](Registry& r) { r.OpenKey(Key, true); }, true},
        {"stored 0", [](Registry& r) { r.OpenKey(Key, true), r.WriteString("Sound", "0"); }, false},
        {"stored 1", [](Registry& r) { r.OpenKey(Key, true), r.WriteString("Sound", "1"); }, true},
        {"stored text", [](Registry& r) { r.OpenKey(Key, true), r.WriteString("Sound", "off"); }, true},
        {"stored empty", [](Registry& r) { r.OpenKey(Key, true), r.WriteString("Sound", ""); }, true},
        {"a number, not a string", [](Registry& r) { r.OpenKey(Key, true), r.WriteInteger("Sound", 0); }, true},
    };
    for (const Case& c : cases) {
        fs::remove(store);
        Registry registry(store);
        c.prepare(registry);
        registry.CloseKey();
        EXPECT_EQ(ReadSoundOn(registry, Key), c.on) << c.what;
    }
}

TEST_F(SoundSetting, AStoreThatCantBeWrittenRefusesQuietlyAndIsStillRead)
{
    Registry registry(store);
    ASSERT_TRUE(StoreSoundOn(registry, Key, false));
    fs::permissions(store, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_FALSE(StoreSoundOn(registry, Key, true));
    EXPECT_FALSE(ReadSoundOn(registry, Key)) << "a read-only store still says off";

    // A store that can't be read at all (here a folder in its place, which
    // no user reads as a file) means on.
    fs::permissions(store, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    fs::remove(store);
    fs::create_directory(store);
    EXPECT_TRUE(ReadSoundOn(registry, Key));
    EXPECT_FALSE(StoreSoundOn(registry, Key, false));
}

} // namespace
} // namespace tumbaro
