#pragma once
// Reading and writing the table's text files: whole files of lines, byte for
// byte, with CR LF line ends on writing.

#include <string>
#include <vector>

namespace tumbaro {

// Lines end at CR LF, a lone CR or a lone LF; a NUL byte ends the text. A
// leading UTF-8 byte order mark, as some editors write, is no part of the
// first line. Throws GameError("Cannot open file <fileName>") when the file
// can't be read, is not a regular file (a link included) or is larger than
// MaxFileBytes.
std::vector<std::string> LoadLines(const std::string& fileName);

// Writes each line followed by CR LF to `stagedName`, a file beside
// `fileName` that takes its owner and permissions, and makes it durable, but
// leaves `fileName` alone for the caller to replace by a rename. Any file
// already at `stagedName` is replaced. Returns the bytes written. On any
// failure, among them a line holding a CR, an LF or a NUL, nothing is left at
// `stagedName` and GameError("Cannot create file <fileName>") is thrown.
std::string StageLines(const std::string& fileName, const std::string& stagedName,
                       const std::vector<std::string>& lines);

} // namespace tumbaro
