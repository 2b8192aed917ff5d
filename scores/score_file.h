#pragma once
// Reading and writing the table's text files: whole files of lines, byte for
// byte, with CR LF line ends on writing and a replace that is never half done.

#include <string>
#include <vector>

namespace tumbaro {

// Lines end at CR LF, a lone CR or a lone LF; a NUL byte ends the text.
// Throws GameError("Cannot open file <fileName>") when the file can't be read.
std::vector<std::string> LoadLines(const std::string& fileName);

// Writes each line followed by CR LF. The old file is replaced only once the
// new one is complete on disk; on any failure it is left as it was and
// GameError("Cannot create file <fileName>") is thrown.
void SaveLines(const std::string& fileName, const std::vector<std::string>& lines);

} // namespace tumbaro
