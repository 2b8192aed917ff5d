// Score lines come from files the player can edit: any text must give a
// number or the game's own error (quoting a long text only in part), and
// every number must survive being written out and read back.

#include "engine/game_error.h"
#include "fuzz/fuzz_check.h"
#include "scores/score_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tumbaro;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = 0;
    try {
        value = StrToInt(text);
    } catch (const GameError& error) {
        // A NUL cuts what() short; score lines never hold one, as reading ends there.
        const std::string message = error.what();
        const std::string tail = "' is not a valid integer value";
        FuzzCheck(message.size() <= 80 + tail.size(), "a refused text is quoted at a readable length");
        if (text.find('\0') != std::string::npos)
            return 0;
        const std::string quoted = message.substr(1, message.size() - 1 - tail.size());
        const std::string ellipsis = "\u2026";
        const bool cut = text.size() > 40;
        FuzzCheck(message.front() == '\'' && message.ends_with(tail), "StrToInt's error has its form");
        FuzzCheck(cut ? quoted.ends_with(ellipsis) && text.starts_with(quoted.substr(0, quoted.size() - ellipsis.size()))
                      : quoted == text,
                  "StrToInt's error names the text it refused, or its start");
        return 0;
    }
    FuzzCheck(StrToInt(IntToStr(value)) == value, "IntToStr then StrToInt gives the number back");
    return 0;
}
