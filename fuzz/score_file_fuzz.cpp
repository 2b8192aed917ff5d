// The high-score files can hold anything a damaged disk or an editor leaves.
// Reading must split any bytes into lines without a line end inside one, and
// the lines read must come back unchanged through a save and a second read.
// Each line's text is UTF-8 whatever its bytes, and a line already in UTF-8
// (every ASCII line among them) keeps its bytes. A leading byte order mark is
// no part of the first line, and a save writes none.

#include "files/read_file.h"
#include "fuzz/fuzz_check.h"
#include "scores/name_text.h"
#include "scores/score_file.h"
#include "tests/scratch_files.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tumbaro;
    if (size > MaxFileBytes) // refused unread, as the table tests check
        return 0;
    // One folder per process, so parallel fuzz jobs never share a file; it
    // goes when the process ends normally.
    static const test::ScratchFolder folder;
    const std::string input = (folder.path / "H.dat").string();
    std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const auto lines = LoadLines(input);

    std::size_t total = 0;
    for (const std::string& line : lines) {
        FuzzCheck(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
                  "no line read holds a CR, an LF or a NUL");
        total += line.size() + 1;
        const std::string text = LineAsUtf8(line);
        FuzzCheck(IsValidUtf8(text), "a line's text is valid UTF-8");
        FuzzCheck(text == line || !IsValidUtf8(line), "a UTF-8 line is its own text");
    }
    FuzzCheck(total <= size + 1, "the lines read are no longer than the file");
    const std::string_view mark = "\xEF\xBB\xBF", bytes(reinterpret_cast<const char*>(data), size);
    FuzzCheck(lines.empty() || !lines[0].starts_with(mark) || bytes.substr(mark.size()).starts_with(mark),
              "a leading byte order mark is not read as text");

    const std::string copy = (folder.path / "H2.dat").string();
    StageLines(copy, copy, lines);
    // A first line that itself starts with the mark's character reads back without it.
    std::vector<std::string> expected = lines;
    if (!expected.empty() && expected[0].starts_with(mark))
        expected[0].erase(0, mark.size());
    FuzzCheck(LoadLines(copy) == expected, "saved lines read back unchanged");
    return 0;
}
