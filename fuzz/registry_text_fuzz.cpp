// The settings store is a text file in the player's home folder that anything
// may have damaged. Parsing must take any bytes, and what it keeps must
// survive being written out and read back; any field must survive escaping.

#include "fuzz/fuzz_check.h"
#include "platform/registry_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tumbaro;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string once = FormatStore(ParseStore(text));
    FuzzCheck(FormatStore(ParseStore(once)) == once, "a written store reads back as written");

    for (const bool isName : {false, true}) {
        const auto back = UnescapeField(EscapeField(text, isName));
        FuzzCheck(back && *back == text, "any bytes survive escaping and unescaping");
    }
    return 0;
}
