#pragma once
// The note a table save leaves while it replaces its files: which new file
// replaces which, and each file's fingerprint before and after, so that a
// save cut short can be finished later, and only when nothing has touched
// the files since. Plain text, one line per file, sealed by a last line that
// fingerprints the lines above it, so a note cut short is never taken for one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbaro {

struct Fingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 0; // 64-bit FNV-1a of the bytes
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint FingerprintOf(std::string_view bytes);

struct CommitEntry {
    std::string staged; // a bare file name in the table's folder
    std::string target;
    Fingerprint after;                // the staged file
    std::optional<Fingerprint> before; // the target as the save found it; none when missing
    bool operator==(const CommitEntry&) const = default;
};

struct CommitRecord {
    std::vector<CommitEntry> entries;
    bool operator==(const CommitRecord&) const = default;
};

// The record's text. Names must be bare file names without blanks.
std::string FormatCommitRecord(const CommitRecord& record);

// The record the text holds, or nothing unless the text is exactly what
// FormatCommitRecord writes for some record of one entry or more.
std::optional<CommitRecord> ParseCommitRecord(std::string_view text);

} // namespace tumbaro
