#pragma once
// The one error type of the game: a failure with a message meant for the
// player (a missing file, a bad stored value). Handlers do not catch it; the
// application's error display shows it and the game goes on.

#include <stdexcept>
#include <string>

namespace tumbaro {

class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace tumbaro
