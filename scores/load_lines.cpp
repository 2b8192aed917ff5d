#include "scores/score_file.h"

#include "engine/game_error.h"
#include "files/read_file.h"

#include <string_view>

namespace tumbaro {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string ReadWholeFile(const std::string& fileName)
{
    // A folder, a pipe, a device or a link fails here too, as does an outsized file.
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
    const std::size_t start = text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;

    std::vector<std::string> lines;
    std::size_t pos = start;
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
