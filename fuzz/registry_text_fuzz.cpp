// The settings store is a text file in the player's home folder that anything
// may have damaged. Parsing must take any bytes, and what it keeps must
// survive being written out and read back; any field must survive escaping.
// A leading byte order mark changes nothing but itself, and the store file is
// read whole up to the size limit and not at all past it.

#include "files/read_file.h"
#include "fuzz/fuzz_check.h"
#include "platform/registry_text.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// The store file as the game reads it: the input at its own size once per
// run, and at the limit and one byte past it once per process.
void CheckStoreFileRead(std::string_view text)
{
    const auto file = std::filesystem::temp_directory_path() / ("tumbaro-fuzz-store-" + std::to_string(::getpid()));
    const auto readAs = [&file](const std::string& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return tumbaro::ReadFileBytes(file);
    };
    const std::string bytes(text);
    tumbaro::FuzzCheck(bytes.size() > tumbaro::MaxFileBytes || readAs(bytes) == bytes, "a store file reads whole");
    static bool limitsChecked = false;
    if (!limitsChecked) {
        limitsChecked = true;
        std::string full = bytes;
        while (full.size() < tumbaro::MaxFileBytes) full += full.empty() ? std::string("x") : full;
        full.resize(tumbaro::MaxFileBytes);
        tumbaro::FuzzCheck(readAs(full) == full, "a store file at the size limit reads whole");
        tumbaro::FuzzCheck(!readAs(full + "x"), "a store file past the size limit is not read");
    }
    std::filesystem::remove(file);
}

} // namespace

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

    CheckStoreFileRead(text);

    for (const bool isName : {false, true}) {
        const auto back = UnescapeField(EscapeField(text, isName));
        FuzzCheck(back && *back == text, "any bytes survive escaping and unescaping");
    }
    return 0;
}
