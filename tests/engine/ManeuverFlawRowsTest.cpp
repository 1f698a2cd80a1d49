#include "engine/ManeuverFlawRows.h"

#include "engine/MovementList.h"

#include <gtest/gtest.h>

namespace {
TMovementRecord system(const std::string &name, int32_t maneuver)
{
    TMovementRecord r;
    r.ModeName = name;
    r.Maneuver = maneuver;
    return r;
}
} // namespace

TEST(ManeuverFlawRows, OnlyNegativeManeuversInListOrder)
{
    TMovementList movement;
    movement.Add(system("Walker", 0));
    movement.Add(system("Hover", -2));
    movement.Add(system("Ground", 1));
    movement.Add(system("Flight", -1));
    const std::vector<TManeuverFlawRow> rows = ManeuverFlawRows(movement);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (TManeuverFlawRow{-2, "Hover reduced in maneuver."}));
    EXPECT_EQ(rows[1], (TManeuverFlawRow{-1, "Flight reduced in maneuver."}));
}

TEST(ManeuverFlawRows, EffectIsCutTo53Characters)
{
    TMovementList movement;
    const std::string longest(32, 'M'); // the longest name a stored record holds: 53 in all
    const std::string longer(40, 'L');
    movement.Add(system(longest, -3));
    movement.Add(system(longer, -1));
    const std::vector<TManeuverFlawRow> rows = ManeuverFlawRows(movement);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Effect, longest + " reduced in maneuver.");
    EXPECT_EQ(rows[1].Effect, longer + " reduced in m");
    EXPECT_EQ(rows[1].Effect.size(), 53u);
}
