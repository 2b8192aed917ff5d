#pragma once
// The game's one pseudo-random generator: a 64-bit linear congruential
// generator whose draws deal the board and refill it after every fall. Its
// sequence is part of the game: the same seed plays the same game everywhere.

#include <cstdint>

namespace tumbaro {

class RandomGenerator {
public:
    static constexpr std::uint64_t Multiplier = 1486058704437ULL; // 346 * 2^32 + 20021
    static constexpr std::uint32_t SeedMultiplier = 22695477U;

    // Seed from a calendar time T in seconds: high half 0, low half
    // (T * 22695477 + 1) mod 2^32.
    void Seed(std::int64_t calendarTime)
    {
        const auto low = static_cast<std::uint32_t>(
            static_cast<std::uint64_t>(calendarTime) * SeedMultiplier + 1U);
        state_ = low;
    }

    // Next non-negative 31-bit number: bits 32 to 62 of the new state.
    std::uint32_t Next()
    {
        state_ = state_ * Multiplier + 1U;
        return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFU;
    }

    // A ball colour, 0 to 7.
    std::int32_t RandomColour() { return static_cast<std::int32_t>(Next() % 8U); }

    std::uint64_t State() const { return state_; }
    void SetState(std::uint64_t state) { state_ = state; }

private:
    std::uint64_t state_ = 0;
};

} // namespace tumbaro
