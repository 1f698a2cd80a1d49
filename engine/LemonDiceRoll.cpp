#include "engine/LemonDiceRoll.h"

#include <chrono>

namespace aw {

LemonDiceRoll RollLemonDice(int32_t dice, int defectCount, std::mt19937 &generator)
{
    LemonDiceRoll roll;
    if (dice <= 0)
        return roll;
    std::uniform_int_distribution<int> die(1, 6);
    roll.Dice.reserve(static_cast<size_t>(dice));
    for (int32_t i = 0; i < dice; ++i)
        roll.Dice.push_back(die(generator));
    if (defectCount <= 0)
        return roll;
    std::uniform_int_distribution<int> pick(0, defectCount - 1);
    for (int value : roll.Dice) {
        if (value == 6)
            roll.DefectIndexes.push_back(pick(generator));
    }
    return roll;
}

std::mt19937 ClockSeededGenerator()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<uint32_t>(ticks), static_cast<uint32_t>(static_cast<uint64_t>(ticks) >> 32)};
    return std::mt19937(seed);
}

} // namespace aw
