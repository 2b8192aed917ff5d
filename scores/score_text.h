#pragma once
// Conversion between score lines and integers, with the rules the high-score
// files have always been read with, so tables written by older versions load.

#include <cstdint>
#include <string>

namespace tumbaro {

// Accepts leading spaces, then either an optional sign and decimal digits, or
// a "$", "x", "X", "0x" or "0X" prefix and up to 32 bits of hexadecimal digits
// (taken as the bit pattern, so "$FFFFFFFF" is -1). Anything else throws
// GameError("'<text>' is not a valid integer value"), the text cut short with
// an ellipsis when long. A text longer than 64 bytes is refused unread, so a
// huge value costs no more than a short one.
std::int32_t StrToInt(const std::string& text);

// The decimal form written to the files: "-" when negative, no leading zeros.
std::string IntToStr(std::int32_t value);

} // namespace tumbaro
