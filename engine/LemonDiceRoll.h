#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace aw {

// One roll of a design's model lemon dice: every die in roll order, and for every die
// that shows 6 the index of the fixed defect it adds (dice and picks uniform).
struct LemonDiceRoll {
    std::vector<int> Dice;
    std::vector<int> DefectIndexes;
};

// The most dice one roll takes: a custom production type may ask for any number, and a
// roll of millions of dice would only freeze the editor.
inline constexpr int32_t kMostLemonDice = 100000;

// Rolls `dice` six-sided dice one after another (none when dice is 0 or below), then picks
// one of `defectCount` defects for every 6 (no pick when there are no defects to pick).
LemonDiceRoll RollLemonDice(int32_t dice, int defectCount, std::mt19937 &generator);

// A generator seeded from the clock, as each roll of the editor starts with.
std::mt19937 ClockSeededGenerator();

} // namespace aw
