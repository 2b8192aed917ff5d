#include "platform/saved_game_file.h"

#include "files/leftovers.h"
#include "files/new_file.h"
#include "files/read_file.h"

#include <system_error>

namespace tumbaro {

std::filesystem::path SavedGameFile::BesideStore(const std::filesystem::path& storeFile)
{
    return storeFile.parent_path() / "game";
}

bool SavedGameFile::Save(const SavedGame& game)
{
    std::error_code ignored;
    if (file_.has_parent_path())
        std::filesystem::create_directories(file_.parent_path(), ignored);
    std::string text = SavedGameText(game);
    if (!ReplaceFile(file_, text))
        return false;
    mine_ = std::move(text);
    return true;
}

std::optional<std::string> SavedGameFile::Text() const
{
    return ReadFileBytes(file_, MaxSavedGameBytes);
}

std::optional<SavedGame> SavedGameFile::Load()
{
    RemoveLeftovers(file_);
    auto text = Text();
    auto game = text ? ReadSavedGame(*text) : std::nullopt;
    if (game)
        mine_ = std::move(text);
    return game;
}

void SavedGameFile::Forget()
{
    if (!StillMine())
        return;
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    mine_.reset();
}

} // namespace tumbaro
