#include "play/saved_game_file.h"

#include "engine/file_bytes.h"
#include "platform/atomic_file.h"

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
    if (!WriteFileAtomically(file_, text))
        return false;
    mine_ = std::move(text);
    return true;
}

std::optional<std::string> SavedGameFile::Text() const
{
    // A saved game is a few hundred bytes: anything else that sits there,
    // however large, is refused without being read in.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_, error) || std::filesystem::file_size(file_, error) > 4096 || error)
        return std::nullopt;
    return ReadFileBytes(file_);
}

std::optional<SavedGame> SavedGameFile::Load()
{
    auto text = Text();
    auto game = text ? ReadSavedGame(*text) : std::nullopt;
    if (game)
        mine_ = std::move(text);
    return game;
}

void SavedGameFile::Forget()
{
    if (!mine_ || Text() != mine_)
        return;
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    mine_.reset();
}

} // namespace tumbaro
