#pragma once
// The ways to play a game, as the game log and a game proof name them. The
// names are part of those texts and never change with the language.

#include <optional>
#include <string_view>

namespace tumbaro {

enum class Way { Classic, Timed, Zen };

inline constexpr Way AllWays[] = {Way::Classic, Way::Timed, Way::Zen};

constexpr std::string_view WayName(Way way)
{
    switch (way) {
    case Way::Timed: return "timed";
    case Way::Zen: return "zen";
    default: return "classic";
    }
}

constexpr std::optional<Way> WayNamed(std::string_view name)
{
    for (Way way : AllWays)
        if (WayName(way) == name)
            return way;
    return std::nullopt;
}

} // namespace tumbaro
