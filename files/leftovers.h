#pragma once
// What a run killed in the middle of a replace leaves for good: the new file
// beside its target, named ".<name>.XXXXXX" (see NewFile::Beside).

#include <filesystem>

namespace tumbaro {

// Removes the target's leftover new files that are regular files last
// changed before this process started; a newer one may be another window's
// replace still under way. Nothing else is touched.
void RemoveLeftovers(const std::filesystem::path& target);

} // namespace tumbaro
