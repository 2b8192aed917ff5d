#include "deals/deal_number.h"

#include <charconv>

namespace tumbaro {

DealNumberParse ParseDealNumber(std::string_view text)
{
    if (text.empty())
        return {std::nullopt, DealNumberFault::Empty};
    for (char c : text)
        if (c < '0' || c > '9')
            return {std::nullopt, DealNumberFault::NotDigits};
    DealNumber number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec == std::errc::result_out_of_range)
        return {std::nullopt, DealNumberFault::TooLarge};
    if (ec != std::errc{} || end != text.data() + text.size())
        return {std::nullopt, DealNumberFault::NotDigits};
    return {number, DealNumberFault::Empty};
}

std::string DealNumberMessage(DealNumberFault fault, std::string_view text)
{
    const std::string quoted = "'" + std::string(text) + "'";
    switch (fault) {
    case DealNumberFault::Empty:
        return "no deal number given: expected a whole number from 0 to 4294967295";
    case DealNumberFault::TooLarge:
        return "deal number " + quoted + " is too large: the largest is 4294967295";
    default:
        return quoted + " is not a deal number: expected only the digits of a whole number from 0 to 4294967295";
    }
}

std::optional<DealNumber> DealOfDay(std::chrono::year_month_day date)
{
    const int year = static_cast<int>(date.year());
    if (!date.ok() || year < 1 || year > 9999)
        return std::nullopt;
    return static_cast<DealNumber>(year) * 10000U + static_cast<unsigned>(date.month()) * 100U
           + static_cast<unsigned>(date.day());
}

DealNumber DealOfClock(std::time_t now, std::optional<DealNumber> last)
{
    const auto deal = static_cast<DealNumber>(now);
    // Compared on the circle of 2^32 numbers, so the turn past 4294967295 in
    // the year 2106 still counts as later.
    if (last && static_cast<std::int32_t>(deal - *last) <= 0)
        return *last + 1;
    return deal;
}

std::optional<DealNumber> DealOfToday(std::time_t now)
{
    std::tm local{};
    if (!::localtime_r(&now, &local))
        return std::nullopt;
    return DealOfDay(std::chrono::year{local.tm_year + 1900} / std::chrono::month{unsigned(local.tm_mon + 1)}
                     / std::chrono::day{unsigned(local.tm_mday)});
}

} // namespace tumbaro
