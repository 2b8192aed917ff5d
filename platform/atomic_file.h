#pragma once
// Replacing a file's whole contents so that a crash or a full disk leaves
// either the old file or the new one, never a mix of the two.

#include <filesystem>
#include <string_view>

namespace tumbaro {

// Writes the text to a temporary file beside the target, flushes it to disk and
// renames it over the target. On failure the target is untouched, the temporary
// file is removed, and the result is false.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view text);

} // namespace tumbaro
