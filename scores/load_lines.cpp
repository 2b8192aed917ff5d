#include "scores/score_file.h"

#include "engine/file_bytes.h"
#include "engine/game_error.h"

#include <filesystem>

namespace tumbaro {

namespace {

std::string ReadWholeFile(const std::string& fileName)
{
    // A folder opens fine as a stream on Linux and then fails on reading;
    // it is as unreadable as a missing file.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored))
        throw GameError("Cannot open file " + fileName);
    auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        throw GameError("Cannot open file " + fileName);
    return std::move(*bytes);
}

} // namespace

std::vector<std::string> LoadLines(const std::string& fileName)
{
    std::string text = ReadWholeFile(fileName);
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));

    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, stop - pos));
        pos = stop + 1;
        if (text[stop] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return lines;
}

} // namespace tumbaro
