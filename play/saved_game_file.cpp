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
    return WriteFileAtomically(file_, SavedGameText(game));
}

std::optional<SavedGame> SavedGameFile::Load() const
{
    // A saved game is a few hundred bytes: anything else that sits there,
    // however large, is refused without being read in.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_, error) || std::filesystem::file_size(file_, error) > 4096 || error)
        return std::nullopt;
    const auto bytes = ReadFileBytes(file_);
    if (!bytes)
        return std::nullopt;
    return ReadSavedGame(*bytes);
}

void SavedGameFile::Forget()
{
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
}

} // namespace tumbaro
