#pragma once
// The file that keeps the unfinished game between runs, in the per-user folder
// beside the settings store. Each save replaces it whole and crash-safe, so a
// kill or a power cut leaves the last game kept before it; anything unreadable
// in it counts as no saved game.

#include "play/saved_game.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tumbaro {

class SavedGameFile final : public GameKeeper {
public:
    explicit SavedGameFile(std::filesystem::path file) : file_(std::move(file)) {}

    // "game" in the folder of the settings store file.
    static std::filesystem::path BesideStore(const std::filesystem::path& storeFile);

    const std::filesystem::path& Path() const { return file_; }

    // Replaces the file with the game (creating the folder if needed); false
    // when it cannot be written, which leaves the file as it was.
    bool Save(const SavedGame& game);
    // The kept game, or nothing when the file is missing or not a valid saved
    // game of this version. What saves killed part-way left beside the file
    // before this run started is removed first.
    std::optional<SavedGame> Load();
    // Removes the file, so the next start deals a new game; but only while it
    // still holds the game this object last saved or loaded. With two windows
    // open, an ended game in one must not take away the game the other has
    // kept since.
    void Forget();
    // The file still holds the game this object last saved or loaded: no
    // other window has kept its game since, and this one has not ended.
    bool StillMine() const { return mine_ && Text() == mine_; }

    void Keep(const SavedGame& game) override { Save(game); }
    void Drop() override { Forget(); }

private:
    std::optional<std::string> Text() const;

    std::filesystem::path file_;
    std::optional<std::string> mine_; // the text last saved or loaded
};

} // namespace tumbaro
