#include "engine/ManeuverFlawRows.h"

#include "engine/MovementList.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

TEST(ManeuverFlawRows, OnlyNegativeManeuversInListOrder)
{
    MovementList movement;
    movement.Add(MovementSystem("Walker", 0));
    movement.Add(MovementSystem("Hover", 0, 0, -2));
    movement.Add(MovementSystem("Ground", 0, 0, 1));
    movement.Add(MovementSystem("Flight", 0, 0, -1));
    const std::vector<ManeuverFlawRow> rows = ManeuverFlawRows(movement);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (ManeuverFlawRow{-2, "Hover reduced in maneuver."}));
    EXPECT_EQ(rows[1], (ManeuverFlawRow{-1, "Flight reduced in maneuver."}));
}

TEST(ManeuverFlawRows, EffectIsCutTo53Characters)
{
    MovementList movement;
    const std::string longest(32, 'M'); // the longest name a stored record holds: 53 in all
    const std::string longer(40, 'L');
    movement.Add(MovementSystem(longest, 0, 0, -3));
    movement.Add(MovementSystem(longer, 0, 0, -1));
    const std::vector<ManeuverFlawRow> rows = ManeuverFlawRows(movement);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Effect, longest + " reduced in maneuver.");
    EXPECT_EQ(rows[1].Effect, longer + " reduced in m");
    EXPECT_EQ(rows[1].Effect.size(), 53u);
}

} // namespace aw
