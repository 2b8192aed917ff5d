// Score lines come from files the player can edit: any text must give a
// number or the game's own error, and every number must survive being
// written out and read back.

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
        if (text.find('\0') == std::string::npos)
            FuzzCheck(std::string(error.what()) == "'" + text + "' is not a valid integer value",
                      "StrToInt's error names the text it refused");
        return 0;
    }
    FuzzCheck(StrToInt(IntToStr(value)) == value, "IntToStr then StrToInt gives the number back");
    return 0;
}
