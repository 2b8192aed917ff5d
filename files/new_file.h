#pragma once
// Writing a file whole beside the one it is to replace, then renaming it into
// place, so that a crash or a full disk leaves either the old file or the new
// one, never a mix of the two.

#include <filesystem>
#include <string>
#include <string_view>

#include <sys/stat.h>

namespace tumbaro {

// The folder a file lies in: "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& file);

// Makes renames and removals in the folder durable; false when it could not.
bool SyncFolder(const std::filesystem::path& folder);

// A file being written, removed again unless it is kept.
class NewFile {
public:
    // A fresh name of our own beside the target, ".<name>.XXXXXX", for a
    // replace that no one else waits on; readable by its owner only.
    static NewFile Beside(const std::filesystem::path& target);
    // A fixed name, so that whoever finds it later knows what it is. Anything
    // already there is left over from a write that never finished: it is
    // replaced, and never written through, a link included.
    static NewFile At(const std::filesystem::path& file, mode_t mode);

    NewFile(NewFile&& other) noexcept;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    NewFile& operator=(NewFile&&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }

    // The owner (where we may take it) and the permission bits of `like`.
    bool TakeLook(const struct stat& like);
    bool SetMode(mode_t mode);
    // Writes every byte, makes them durable and closes the file. Nothing to
    // write is an empty file; a write that makes no progress is a failure.
    bool Fill(std::string_view bytes);
    // Renames the filled file over the target and keeps it.
    bool MoveOver(const std::filesystem::path& target);
    void Keep() { kept_ = true; }

private:
    explicit NewFile(std::filesystem::path path) : path_(std::move(path)) {}

    std::filesystem::path path_;
    int fd_ = -1;
    bool made_ = false;
    bool kept_ = false;
};

// Replaces the target's contents whole: a new file beside it, filled, renamed
// over it, the folder synced. On failure the target is as it was, nothing is
// left beside it, and the result is false.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

} // namespace tumbaro
