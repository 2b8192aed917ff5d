#pragma once
// The text of a table line. Tables are written in UTF-8; those written before
// names could hold any script are Latin-1, so a line that is not valid UTF-8
// is read as Latin-1 and means what it always meant.

#include <string>
#include <string_view>

namespace tumbaro {

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The line as UTF-8: unchanged when it is valid UTF-8, else each byte taken
// as the Latin-1 character of that number.
std::string LineAsUtf8(std::string_view bytes);

// True when the text, read as LineAsUtf8 reads it, holds a line break (LF, CR,
// U+2028, U+2029), a NUL or any other C0 or C1 control character, or DEL.
// Such a name must never be written: other readers would break the line.
bool HoldsControlCharacter(std::string_view bytes);

} // namespace tumbaro
