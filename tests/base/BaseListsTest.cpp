#include "base/BooleanList.h"
#include "base/CalculationLog.h"
#include "base/IntegerList.h"
#include "base/RoundUp.h"
#include "base/Stream.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

namespace aw {

TEST(RoundUp, CeilingForPositiveAndOneMoreThanTruncationForNegativeFractions)
{
    EXPECT_EQ(RoundUp(3.0), 3);
    EXPECT_EQ(RoundUp(3.0001), 4);
    EXPECT_EQ(RoundUp(0.0), 0);
    EXPECT_EQ(RoundUp(-0.5), 1);
    EXPECT_EQ(RoundUp(-2.5), -1);
    EXPECT_EQ(RoundUp(-3.0), -3);
}

TEST(RoundUp, CapsLargeAndUnrepresentableValues)
{
    EXPECT_EQ(RoundUp(3e9), 2147483646);
    EXPECT_EQ(RoundUp(2147483646.0), 2147483646);
    EXPECT_EQ(RoundUp(-3e12), 2147483646);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbourOthersToTheNearest)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
    EXPECT_EQ(RoundHalfEven(2.5000000000000004), 3.0);                // just above the tie
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0.0);               // just below: not a tie
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0); // whole beyond 2^52
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
    EXPECT_EQ(RoundHalfEven(-INFINITY), -INFINITY);
    // The extended form rounds the extended value itself, not a double near it.
    EXPECT_EQ(RoundHalfEven(12.5L), 12.0L);
    EXPECT_EQ(RoundHalfEven(9007199254740993.0L), 9007199254740993.0L); // 2^53 + 1: no double holds it
}

TEST(RoundHalfEven, IgnoresTheFloatingPointRoundingMode)
{
    const int saved = std::fegetround();
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    volatile double tie = 2.5; // volatile: computed at run time, under the mode set here
    const double rounded = RoundHalfEven(tie);
    const double below = RoundHalfEven(tie - 0.25);
    std::fesetround(saved);
    EXPECT_EQ(rounded, 2.0);
    EXPECT_EQ(below, 2.0);
}

TEST(IntegerList, ReadsZeroPastTheEndAndAppendsOnSetPastTheEnd)
{
    IntegerList list;
    EXPECT_EQ(list.Get(0), 0);
    list.Add(7);
    list.Add(8);
    list.Set(5, 9);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(2), 9);
    list.Set(0, -1);
    EXPECT_EQ(list.Get(0), -1);
    EXPECT_EQ(list.Get(-1), 0);
}

TEST(BooleanList, StreamFormIsCountThenOneBytePerEntry)
{
    BooleanList list;
    list.Add(true);
    list.Add(false);
    list.Add(true);
    Stream stream;
    list.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes(), (std::vector<uint8_t>{3, 0, 0, 0, 1, 0, 1}));

    Stream in(std::vector<uint8_t>{3, 0, 0, 0, 1, 0, 7});
    BooleanList read;
    read.Add(false);
    read.LoadFromStream(in);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_TRUE(read.Get(0));
    EXPECT_FALSE(read.Get(1));
    EXPECT_TRUE(read.Get(2));
    EXPECT_FALSE(read.Get(3));
}

TEST(BooleanList, NegativeCountReadsNothingAndOverlongCountIsDamage)
{
    Stream negative(std::vector<uint8_t>{0xff, 0xff, 0xff, 0xff, 1});
    BooleanList list;
    list.LoadFromStream(negative);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(negative.Position(), 4);

    Stream overlong(std::vector<uint8_t>{0x00, 0x00, 0x00, 0x40, 1});
    EXPECT_THROW(list.LoadFromStream(overlong), StreamError);
}

TEST(BooleanList, DeleteAndSetFollowTheListRules)
{
    BooleanList list;
    list.Set(3, true);
    list.Add(false);
    list.Delete(9);
    ASSERT_EQ(list.Count(), 2);
    list.Delete(0);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.Get(0));
}

TEST(CalculationLog, OffByDefaultAndScopedTargetsNest)
{
    EXPECT_EQ(CalculationLog(), nullptr);
    EXPECT_FALSE(LogEnabled());
    LogLine("lost");
    LogLines outer, inner;
    {
        ScopedCalculationLog a(outer);
        LogLine("one");
        {
            ScopedCalculationLog b(inner);
            LogLine("two");
        }
        LogLine("three");
    }
    EXPECT_EQ(CalculationLog(), nullptr);
    EXPECT_EQ(outer, (LogLines{"one", "three"}));
    EXPECT_EQ(inner, (LogLines{"two"}));
}

TEST(CalculationLog, LinePartsAreTextsWholeNumbersAndGeneralReals)
{
    LogLines lines;
    ScopedCalculationLog on(lines);
    EXPECT_TRUE(LogEnabled());
    const std::string name = "Gun";
    LogLine("  ", name, " = ", 37.5, " x", 2, std::string_view(" of "), int64_t{-3000000000});
    // A whole real stays a real (general form, no thousands, E beyond 15 digits); a count
    // stays a count however large.
    LogLine(300.0, "|", 1.5e20, "|", 0.000001, "|", int64_t{1} << 60);
    LogLine();
    EXPECT_EQ(lines, (LogLines{"  Gun = 37.5 x2 of -3000000000", "300|1.5E20|1E-6|1152921504606846976", ""}));
}

TEST(Stream, ShortReadsThrowAndShortStringsAreCutToCapacity)
{
    Stream s(std::vector<uint8_t>{1, 2, 3});
    EXPECT_THROW(s.ReadInt32(), StreamError);
    uint8_t record[6];
    bytes::PutShortString(record, 5, "abcdefgh");
    EXPECT_EQ(record[0], 5);
    EXPECT_EQ(bytes::GetShortString(record, 5), "abcde");
    record[0] = 200; // a damaged length never reads past the capacity
    EXPECT_EQ(bytes::GetShortString(record, 5), "abcde");
}

} // namespace aw
