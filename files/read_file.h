#pragma once
// Reading one of the game's files whole. Only a regular file is read, and
// only up to a size its reader names: a pipe, a device, a socket or a folder
// put where the file should be is as unreadable as a missing file, and is
// found out without waiting on it. A link at the file's own name is never
// followed, so nothing outside the game's folders is read in its place.
//
// Plain system calls rather than iostreams: nothing else in the running game
// needs the stream library, and loading it for a read costs memory for good.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tumbaro {

// Neither the table nor the settings come anywhere near this; a file that
// does is not one of ours.
inline constexpr std::size_t MaxFileBytes = 1 << 20;

enum class FileKind {
    Missing,
    Regular,
    Other, // a link, a folder, a pipe, a device, a socket, or anything we may not look at
};

// What stands at the path itself; a link there is Other, whatever it points to.
FileKind KindOf(const std::filesystem::path& file);

// The file's bytes, or nothing when it cannot be opened or read, is not a
// regular file, or holds more than `cap` bytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t cap = MaxFileBytes);

} // namespace tumbaro
