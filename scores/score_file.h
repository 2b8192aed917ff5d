#pragma once
// Reading and writing the table's text files: whole files of lines, byte for
// byte, with CR LF line ends on writing and a replace that is never half done.

#include <string>
#include <vector>

namespace tumbaro {

// Lines end at CR LF, a lone CR or a lone LF; a NUL byte ends the text.
// Throws GameError("Cannot open file <fileName>") when the file can't be read,
// is not a regular file or is larger than MaxFileBytes.
std::vector<std::string> LoadLines(const std::string& fileName);

// Writes each line followed by CR LF. The old file is replaced only once the
// new one is complete on disk; on any failure it is left as it was and
// GameError("Cannot create file <fileName>") is thrown. A line holding a CR,
// an LF or a NUL is such a failure: nothing is written.
void SaveLines(const std::string& fileName, const std::vector<std::string>& lines);

// The first half of a SaveLines: writes the lines to `stagedName`, a file
// beside `fileName` that takes its owner and permissions, and makes it
// durable, but leaves `fileName` alone for the caller to replace by a rename.
// Any file already at `stagedName` is replaced. Returns the bytes written.
// Fails as SaveLines does, leaving nothing at `stagedName`.
std::string StageLines(const std::string& fileName, const std::string& stagedName,
                       const std::vector<std::string>& lines);

} // namespace tumbaro
