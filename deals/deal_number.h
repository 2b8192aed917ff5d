#pragma once
// Every deal has a number: the value that seeds the generator for it. A
// player names a deal by it, and today's deal is the number of the date.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tumbaro {

using DealNumber = std::uint32_t;

// Why a text is not a deal number; the window words each in its language.
enum class DealNumberFault {
    Empty,
    NotDigits, // a sign, a space, a letter, a point: anything but the digits 0 to 9
    TooLarge, // past 4294967295
};

struct DealNumberParse {
    std::optional<DealNumber> Number;
    DealNumberFault Fault = DealNumberFault::Empty; // when there is no number
};

// Only the digits of a number from 0 to 4294967295 are a deal number; leading
// zeros are allowed, and nothing else is, not even a space around it.
DealNumberParse ParseDealNumber(std::string_view text);

// One line saying why `text` is no deal number, for the command line.
std::string DealNumberMessage(DealNumberFault fault, std::string_view text);

// The deal of a day: YYYYMMDD, 20261208 on 8 December 2026, the same for
// every player that day. Nothing for an invalid date or a year before 1 or
// past 9999.
std::optional<DealNumber> DealOfDay(std::chrono::year_month_day date);

// The deal of a new game from the clock: the calendar time `now`, taken
// modulo 2^32, unless that is not past `last`, the clock's previous deal in
// this run: then the one after it, so that two new games within one second
// (or after the clock was set back) are never the same deal.
DealNumber DealOfClock(std::time_t now, std::optional<DealNumber> last);

// The deal of the player's local date at `now`.
std::optional<DealNumber> DealOfToday(std::time_t now);

} // namespace tumbaro
