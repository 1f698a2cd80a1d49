#include "engine/MovementList.h"
#include "engine/MovementSpeed.h"

#include "base/CalculationLog.h"
#include "base/Stream.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

MovementList ListOf(std::initializer_list<MovementRecord> records)
{
    MovementList list;
    for (const MovementRecord &r : records)
        list.Add(r);
    return list;
}

} // namespace

TEST(MovementRecord, ByteImageHasEveryFieldAtItsOffset)
{
    MovementRecord r;
    r.ModeName = "Hydrofoil";
    r.CustomMode = true;
    r.Flight = true;
    r.CanFly = true;
    r.TopSpeed = 300.5;
    r.StallSpeed = 60.25;
    r.HasStall = true;
    r.Maneuver = -3;
    r.LibraryIndex = 4;
    uint8_t image[MovementRecord::Size];
    std::fill(std::begin(image), std::end(image), 0xAA);
    WriteMovementRecord(r, image);

    EXPECT_EQ(image[0], 9);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(image + 1), 9), "Hydrofoil");
    for (int i = 10; i < 33; ++i)
        EXPECT_EQ(image[i], 0) << "unused name byte " << i;
    EXPECT_EQ(image[33], 1);
    EXPECT_EQ(image[34], 1);
    EXPECT_EQ(image[35], 1);
    EXPECT_EQ(bytes::GetDouble(image + 36), 300.5);
    EXPECT_EQ(bytes::GetDouble(image + 44), 60.25);
    EXPECT_EQ(image[52], 1);
    EXPECT_EQ(bytes::GetInt32(image + 53), -3);
    EXPECT_EQ(bytes::GetInt32(image + 57), 4);
    EXPECT_EQ(ReadMovementRecord(image), r);
}

TEST(MovementRecord, ClearedRecord)
{
    const MovementRecord cleared;
    EXPECT_EQ(cleared.LibraryIndex, -1);
    uint8_t image[MovementRecord::Size];
    WriteMovementRecord(cleared, image);
    EXPECT_EQ(bytes::GetInt32(image + 57), -1);
    for (int i = 0; i < 57; ++i)
        EXPECT_EQ(image[i], 0) << "byte " << i;
}

TEST(MovementList, SpeedPointsRoundHalfToEven)
{
    const MovementList list =
        ListOf({MovementSystem("Ground", 9), MovementSystem("Ground", 15), MovementSystem("Ground", 21),
                MovementSystem("Flight", 45, 15, 0, true), MovementSystem("Flight", 75, 0, 0, true)});
    EXPECT_EQ(list.MP(0), 2);      // 1.5
    EXPECT_EQ(list.MP(1), 2);      // 2.5
    EXPECT_EQ(list.MP(2), 4);      // 3.5
    EXPECT_EQ(list.MP(3), 2);      // 1.5 at 30 km/h per point
    EXPECT_EQ(list.StallMP(3), 0); // 0.5
    EXPECT_EQ(list.MP(4), 2);      // 2.5
}

TEST(MovementList, CombatFiguresHalveTheSpeed)
{
    const MovementList list = ListOf({MovementSystem("Ground", 30), MovementSystem("Ground", -30)});
    EXPECT_EQ(list.MP(0), 5);
    EXPECT_EQ(list.CombatMP(0), 2);
    EXPECT_EQ(list.CombatMP(1), -2); // truncates toward zero
    EXPECT_DOUBLE_EQ(list.CombatSpeed(0), 15.0);
}

TEST(MovementList, QueriesPastTheEndYieldZeroValues)
{
    const MovementList list = ListOf({MovementSystem("Walker", 60, 12, -2, true)});
    EXPECT_EQ(list.ModeName(1), "");
    EXPECT_FALSE(list.Flight(1));
    EXPECT_EQ(list.Maneuver(1), 0);
    EXPECT_EQ(list.TopSpeed(1), 0.0);
    EXPECT_EQ(list.MP(-1), 0);
    EXPECT_EQ(list.Get(5).LibraryIndex, -1);
}

TEST(MovementList, FastestAndSumOfOthers)
{
    const MovementList list =
        ListOf({MovementSystem("a", 80, 1), MovementSystem("b", 100, 2), MovementSystem("c", 100, 3)});
    EXPECT_EQ(list.FastestSpeed(), 100.0);
    EXPECT_EQ(list.FastestStall(), 2.0); // the first of the two fastest
    EXPECT_EQ(list.SumOfOthers(), 180.0);

    const MovementList risingLast =
        ListOf({MovementSystem("a", 50, 1), MovementSystem("b", 20, 2), MovementSystem("c", 90, 9)});
    EXPECT_EQ(risingLast.FastestStall(), 9.0);
    EXPECT_EQ(risingLast.SumOfOthers(), 70.0);

    const MovementList stopped = ListOf({MovementSystem("a", 0, 5), MovementSystem("b", 0, 7)});
    EXPECT_EQ(stopped.FastestStall(), 5.0); // entry 0 when nothing is faster than 0
}

TEST(MovementList, EmptyListHasNoSpeedsNoFlawsNoFlight)
{
    const MovementList list;
    LogLines log;
    ScopedCalculationLog scope(log);
    EXPECT_EQ(list.FastestSpeed(), 0.0);
    EXPECT_EQ(list.FastestStall(), 0.0);
    EXPECT_EQ(list.SumOfOthers(), 0.0);
    EXPECT_EQ(list.ManeuverFlawValue(), 0.0);
    EXPECT_FALSE(list.AnyFlight());
    EXPECT_EQ(log, LogLines{"        Manuver Flaws..."});
}

TEST(MovementList, ManeuverFlawsCountTwiceEachNegativeModifier)
{
    const MovementList list =
        ListOf({MovementSystem("a", 10, 0, -1), MovementSystem("b", 10, 0, 2), MovementSystem("c", 10, 0, -3, true)});
    LogLines log;
    double value;
    {
        ScopedCalculationLog scope(log);
        value = list.ManeuverFlawValue();
    }
    EXPECT_EQ(value, -8.0);
    EXPECT_TRUE(list.AnyFlight());
    const LogLines expected{"        Manuver Flaws...", "          movement 1 is flawed by -1",
                            "         -2 Flaw value so far.", "          movement 3 is flawed by -3",
                            "         -8 Flaw value so far."};
    EXPECT_EQ(log, expected);
}

TEST(MovementList, SummaryText)
{
    const MovementList list = ListOf(
        {MovementSystem("Flight", 300, 60, -1, true), MovementSystem("Ground", 45.5), MovementSystem("Hover", 66, 6)});
    EXPECT_EQ(list.SummaryText(0), "(10/2 -flt)( -1man) Flight -300kph");
    EXPECT_EQ(list.SummaryText(1), "(8) Ground -45.5kph");
    EXPECT_EQ(list.SummaryText(2), "(11/1) Hover -66kph");
}

TEST(MovementList, ListOperationsReplaceAppendDeleteAndExchange)
{
    MovementList list = ListOf({MovementSystem("a", 1), MovementSystem("b", 2)});
    list.Set(1, MovementSystem("B", 20));
    list.Set(7, MovementSystem("c", 3));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ModeName(1), "B");
    EXPECT_EQ(list.ModeName(2), "c");
    list.Exchange(0, 2);
    EXPECT_EQ(list.ModeName(0), "c");
    EXPECT_EQ(list.ModeName(2), "a");
    list.Exchange(0, 3); // out of range: nothing happens
    EXPECT_EQ(list.ModeName(0), "c");
    list.Delete(3);
    EXPECT_EQ(list.Count(), 3);
    list.Delete(0);
    EXPECT_EQ(list.ModeName(0), "B");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(MovementList, StreamFormIsCountThenRecordImages)
{
    const MovementList list =
        ListOf({MovementSystem("Walker", 36, 0, -1), MovementSystem("Flight", 900, 150, 0, true)});
    Stream stream;
    list.SaveToStream(stream);
    ASSERT_EQ(stream.Size(), 4 + 2 * MovementRecord::Size);
    EXPECT_EQ(bytes::GetInt32(stream.Bytes().data()), 2);
    EXPECT_EQ(stream.Bytes()[4], 6);                             // "Walker"
    EXPECT_EQ(stream.Bytes()[4 + MovementRecord::Size], 6);      // "Flight"
    EXPECT_EQ(stream.Bytes()[4 + MovementRecord::Size + 34], 1); // flight flag of the second

    stream.Seek(0);
    MovementList read = ListOf({MovementSystem("old", 1)});
    read.LoadFromStream(stream);
    EXPECT_EQ(read, list);
    EXPECT_EQ(stream.Remaining(), 0);
}

TEST(MovementList, DamagedStreamsAreRejected)
{
    Stream claimsTooMany;
    claimsTooMany.WriteInt32(2);
    uint8_t image[MovementRecord::Size] = {};
    claimsTooMany.WriteBuffer(image, sizeof image);
    claimsTooMany.Seek(0);
    MovementList list;
    EXPECT_THROW(list.LoadFromStream(claimsTooMany), StreamError);

    Stream hugeCount;
    hugeCount.WriteInt32(0x7fffffff);
    hugeCount.Seek(0);
    EXPECT_THROW(list.LoadFromStream(hugeCount), StreamError);

    Stream negative;
    negative.WriteInt32(-4);
    negative.Seek(0);
    list.Add(MovementSystem("x", 1));
    list.LoadFromStream(negative);
    EXPECT_EQ(list.Count(), 0);
}

TEST(MovementSpeed, TypedSpeedsAsStored)
{
    EXPECT_EQ(CapTopSpeed(20000), 10002.0);
    EXPECT_EQ(CapTopSpeed(10002), 10002.0);
    EXPECT_EQ(CapTopSpeed(650.5), 650.5);
    EXPECT_EQ(KphFromMP(200, true), 6000.0);
    EXPECT_EQ(KphFromMP(200, false), 1200.0);
    // A speed typed in points gives back the same points.
    MovementList list = ListOf(
        {MovementSystem("Flight", KphFromMP(7, true), 0, 0, true), MovementSystem("Ground", KphFromMP(7, false))});
    EXPECT_EQ(list.MP(0), 7);
    EXPECT_EQ(list.MP(1), 7);
}

} // namespace aw
