#include "engine/LemonDiceRoll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace aw {

TEST(LemonDiceRoll, NoDiceRollsNothingAndPicksNothing)
{
    std::mt19937 generator(7);
    for (int32_t dice : {0, -1, INT32_MIN}) {
        const LemonDiceRoll roll = RollLemonDice(dice, 6, generator);
        EXPECT_TRUE(roll.Dice.empty()) << dice;
        EXPECT_TRUE(roll.DefectIndexes.empty()) << dice;
    }
}

TEST(LemonDiceRoll, EverySixPicksOneDefectInRange)
{
    std::mt19937 generator(12345);
    int sixes = 0;
    for (int round = 0; round < 200; ++round) {
        const LemonDiceRoll roll = RollLemonDice(12, 6, generator);
        ASSERT_EQ(roll.Dice.size(), 12u);
        const auto rolledSixes = std::count(roll.Dice.begin(), roll.Dice.end(), 6);
        EXPECT_EQ(static_cast<long>(roll.DefectIndexes.size()), rolledSixes);
        for (int value : roll.Dice)
            EXPECT_TRUE(value >= 1 && value <= 6) << value;
        for (int index : roll.DefectIndexes)
            EXPECT_TRUE(index >= 0 && index <= 5) << index;
        sixes += static_cast<int>(rolledSixes);
    }
    EXPECT_GT(sixes, 0);
}

TEST(LemonDiceRoll, FacesAndPicksAreRoughlyUniform)
{
    std::mt19937 generator(99);
    std::array<int, 7> faces{};
    std::array<int, 6> picks{};
    const LemonDiceRoll roll = RollLemonDice(60000, 6, generator);
    for (int value : roll.Dice)
        ++faces[static_cast<size_t>(value)];
    for (int index : roll.DefectIndexes)
        ++picks[static_cast<size_t>(index)];
    EXPECT_EQ(faces[0], 0);
    for (int face = 1; face <= 6; ++face)
        EXPECT_NEAR(faces[static_cast<size_t>(face)], 10000, 500) << face;
    // about 10000 sixes spread over six defects
    for (int index = 0; index < 6; ++index)
        EXPECT_NEAR(picks[static_cast<size_t>(index)], 1667, 250) << index;
}

TEST(LemonDiceRoll, NoDefectsToPickStillRollsTheDice)
{
    std::mt19937 generator(3);
    const LemonDiceRoll roll = RollLemonDice(50, 0, generator);
    EXPECT_EQ(roll.Dice.size(), 50u);
    EXPECT_TRUE(roll.DefectIndexes.empty());
}

} // namespace aw
