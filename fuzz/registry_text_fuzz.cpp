// The settings store is a text file in the player's home folder that anything
// may have damaged. Parsing must take any bytes, and what it keeps must
// survive being written out and read back; any field must survive escaping.
// A leading byte order mark changes nothing but itself.

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

    const StoreContents store = ParseStore(text);
    const std::string once = FormatStore(store);
    FuzzCheck(FormatStore(ParseStore(once)) == once, "a written store reads back as written");

    const bool marked = text.starts_with(Utf8ByteOrderMark);
    FuzzCheck(store.byteOrderMark == marked && once.starts_with(Utf8ByteOrderMark) == marked,
              "a leading byte order mark is read and written back");
    const std::string bare(marked ? text.substr(Utf8ByteOrderMark.size()) : text);
    if (!bare.starts_with(Utf8ByteOrderMark)) // a second mark is text of the first line
        FuzzCheck(FormatStore(ParseStore(std::string(Utf8ByteOrderMark) + bare))
                      == std::string(Utf8ByteOrderMark) + FormatStore(ParseStore(bare)),
                  "a byte order mark changes nothing else");

    for (const bool isName : {false, true}) {
        const auto back = UnescapeField(EscapeField(text, isName));
        FuzzCheck(back && *back == text, "any bytes survive escaping and unescaping");
    }
    return 0;
}
