#pragma once
// Reading a whole file's bytes, shared by the settings store and the table
// files. stdio rather than iostreams: nothing else in the running game needs
// the stream library, and loading it for a read costs memory for good.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace tumbaro {

// The file's bytes, or nothing when it cannot be opened or read.
inline std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return std::nullopt;
    std::string bytes;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed)
        return std::nullopt;
    return bytes;
}

} // namespace tumbaro
