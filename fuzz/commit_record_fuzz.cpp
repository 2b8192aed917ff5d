// The commit record a table save leaves can be cut short by a crash or
// damaged on disk, and whatever it holds decides whether files are renamed.
// Any bytes must be read without harm; a record taken as whole must be the
// one spelling the game writes for it, and no part of it cut off at the end
// may pass for a whole record too.

#include "fuzz/fuzz_check.h"
#include "scores/commit_record.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tumbaro;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto record = ParseCommitRecord(text);
    if (!record)
        return 0;
    FuzzCheck(FormatCommitRecord(*record) == text, "an accepted record is written back byte for byte");
    for (const CommitEntry& entry : record->entries)
        FuzzCheck(entry.staged.find('/') == std::string::npos && entry.target.find('/') == std::string::npos,
                  "a record names files in the table's folder only");
    for (std::size_t cut = 0; cut < text.size(); ++cut)
        FuzzCheck(!ParseCommitRecord(std::string_view(text).substr(0, cut)), "a record cut short is refused");
    return 0;
}
