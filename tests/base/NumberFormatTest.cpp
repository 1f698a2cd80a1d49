#include "base/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>

namespace aw {

TEST(NumberFormat, IntegerAndSigned)
{
    EXPECT_EQ(number::Integer(-12), "-12");
    EXPECT_EQ(number::Signed(2), "+2");
    EXPECT_EQ(number::Signed(0), "0");
    EXPECT_EQ(number::Signed(-1), "-1");
}

TEST(NumberFormat, GeneralIsShortestWithFifteenDigits)
{
    EXPECT_EQ(number::General(0.0), "0");
    EXPECT_EQ(number::General(37.5), "37.5");
    EXPECT_EQ(number::General(40.8), "40.8");
    EXPECT_EQ(number::General(0.1 + 0.2), "0.3");
    EXPECT_EQ(number::General(300.0), "300");
    EXPECT_EQ(number::General(-2.25), "-2.25");
    EXPECT_EQ(number::General(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(number::General(0.00001), "0.00001");
    EXPECT_EQ(number::General(0.000001), "1E-6");
    EXPECT_EQ(number::General(123456789012345.0), "123456789012345");
    EXPECT_EQ(number::General(1.5e20), "1.5E20");
    EXPECT_EQ(number::General(2.5, 15, {'.', ','}), "2,5");
}

TEST(NumberFormat, ShortestReadsBackTheSameDouble)
{
    EXPECT_EQ(number::Shortest(0.1, 18), "0.1");
    EXPECT_EQ(number::Shortest(1.3, 18), "1.3");
    EXPECT_EQ(number::Shortest(0.1 + 0.2, 18), "0.30000000000000004");
    EXPECT_EQ(number::Shortest(-2.0, 18), "-2");
    EXPECT_EQ(number::Shortest(1.5e20, 18), "1.5E20");
    EXPECT_EQ(number::Shortest(0.000001, 18), "1E-6");
    EXPECT_EQ(number::Shortest(0.0, 18), "0");
    EXPECT_EQ(number::Shortest(1.0 / 3.0, 15), "0.333333333333333");
    EXPECT_EQ(number::Shortest(1.25, 18, {'.', ','}), "1,25");
    for (const double value : {0.1, 1.3, 1.0 / 3.0, 123456.789, 2.0e-7, 9.87654321e15}) {
        double back = 0;
        ASSERT_TRUE(number::ParseReal(number::Shortest(value, 18), back));
        EXPECT_EQ(back, value);
    }
}

TEST(NumberFormat, GroupedAndFixedRoundHalvesAwayFromZero)
{
    EXPECT_EQ(number::Grouped(1234.5, 0), "1,235");
    EXPECT_EQ(number::Grouped(1234.56, 2), "1,234.56");
    EXPECT_EQ(number::Grouped(1234.5, 2), "1,234.50");
    EXPECT_EQ(number::Grouped(999999.996, 2), "1,000,000.00");
    EXPECT_EQ(number::Grouped(999999.995, 2), "999,999.99"); // the double lies just below the half
    EXPECT_EQ(number::Grouped(0.125, 2), "0.13");
    EXPECT_EQ(number::Grouped(-1234567.0, 0), "-1,234,567");
    EXPECT_EQ(number::Grouped(12.0, 2), "12.00");
    EXPECT_EQ(number::Grouped(1300.0, 1, {'.', ','}), "1.300,0");
    EXPECT_EQ(number::Fixed(20.44, 1), "20.4");
    EXPECT_EQ(number::Fixed(-0.04, 1), "0.0");
    EXPECT_EQ(number::Fixed(1234.5, 0), "1235");
}

TEST(NumberFormat, ParsingAcceptsOnlyWholeNumbers)
{
    int32_t i = 0;
    EXPECT_TRUE(number::ParseInteger("+12", i));
    EXPECT_EQ(i, 12);
    EXPECT_FALSE(number::ParseInteger("abc", i));
    EXPECT_FALSE(number::ParseInteger("12x", i));
    EXPECT_FALSE(number::ParseInteger("99999999999", i));
    EXPECT_EQ(i, 12);

    double d = 0;
    EXPECT_TRUE(number::ParseReal("1300.5", d));
    EXPECT_DOUBLE_EQ(d, 1300.5);
    EXPECT_FALSE(number::ParseReal("1,300.0", d));
    EXPECT_TRUE(number::ParseReal("1,300.0", d, {}, true));
    EXPECT_DOUBLE_EQ(d, 1300.0);
    EXPECT_TRUE(number::ParseReal("-12,345,678.5", d, {}, true));
    EXPECT_DOUBLE_EQ(d, -12345678.5);
    // Separators elsewhere are no grouping: a decimal comma must not read as a ten times larger value.
    for (const char *misplaced : {"3,5", "3,5.0", "1,2345.0", "12,34,567", ",250.0", "1234,567", "1e,250", "1,250,"})
        EXPECT_FALSE(number::ParseReal(misplaced, d, {}, true)) << misplaced;
    EXPECT_DOUBLE_EQ(d, -12345678.5);
    EXPECT_FALSE(number::ParseReal("", d));
    EXPECT_TRUE(number::ParseReal("+2.5", d));
    EXPECT_DOUBLE_EQ(d, 2.5);
    EXPECT_FALSE(number::ParseReal("+-2", d));
    EXPECT_FALSE(number::ParseReal("inf", d));
}

TEST(NumberFormat, TextsIgnoreTheProcessLocale)
{
    // The editor's QApplication applies the user's locale to the C library at start-up.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not generated on this machine";
    double d = 0;
    const bool parsed = number::ParseReal("1300.25", d);
    const std::string general = number::General(2.5);
    const std::string grouped = number::Grouped(1234.5, 2);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_TRUE(parsed);
    EXPECT_DOUBLE_EQ(d, 1300.25);
    EXPECT_EQ(general, "2.5");
    EXPECT_EQ(grouped, "1,234.50");
}

} // namespace aw
