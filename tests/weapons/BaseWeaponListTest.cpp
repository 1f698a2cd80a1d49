#include "weapons/BaseWeaponList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aw {

namespace {

using Codes = std::vector<std::string>;

BaseWeaponList ListOf(std::initializer_list<std::pair<const char *, int32_t>> codeAndRating)
{
    BaseWeaponList list;
    for (auto [code, rating] : codeAndRating) {
        WeaponRecord r = DefaultWeaponRecord();
        r.Code = code;
        r.Rating = rating;
        list.Add(r);
    }
    return list;
}

Codes CodesOf(const BaseWeaponList &list)
{
    Codes codes;
    for (int i = 0; i < list.Count(); ++i)
        codes.push_back(list.Get(i).Code);
    return codes;
}

} // namespace

TEST(BaseWeaponList, LookupsPastTheEndAreEmptyAndSetPastTheEndAppends)
{
    BaseWeaponList list = ListOf({{"A", 1}});
    EXPECT_EQ(list.Get(1), WeaponRecord{});
    WeaponRecord b = DefaultWeaponRecord();
    b.Code = "B";
    list.Set(9, b);
    list.Delete(2);
    EXPECT_EQ(CodesOf(list), (Codes{"A", "B"}));
}

TEST(BaseWeaponListSort, FirstClickDescendsSecondAscendsTiesKeepTheirOrder)
{
    BaseWeaponList list = ListOf({{"B", 20}, {"A", 35}, {"D", 5}, {"C", 20}});
    list.Sort(3);
    EXPECT_EQ(list.SortKey(), 3);
    EXPECT_EQ(CodesOf(list), (Codes{"A", "B", "C", "D"}));
    list.Sort(3);
    EXPECT_EQ(list.SortKey(), -3);
    EXPECT_EQ(CodesOf(list), (Codes{"D", "B", "C", "A"}));

    BaseWeaponList ties = ListOf({{"E", 7}, {"B", 7}, {"D", 7}});
    ties.Sort(3);
    ties.Sort(3);
    EXPECT_EQ(CodesOf(ties), (Codes{"E", "B", "D"}));
}

TEST(BaseWeaponListSort, TextsCompareByteWiseAndCaseSensitive)
{
    BaseWeaponList list = ListOf({{"b", 0}, {"B", 0}, {"AB", 0}, {"A", 0}, {"\xE9", 0}});
    list.Sort(1);
    list.Sort(1); // ascending
    EXPECT_EQ(CodesOf(list), (Codes{"A", "AB", "B", "b", "\xE9"}));
}

TEST(BaseWeaponListSort, KeysOutsideTheColumnsLeaveTheOrder)
{
    BaseWeaponList list = ListOf({{"B", 1}, {"A", 3}, {"C", 2}});
    list.Sort(0);
    EXPECT_EQ(list.SortKey(), 0);
    list.Sort(-10);
    list.Sort(-2147483647 - 1);
    EXPECT_EQ(CodesOf(list), (Codes{"B", "A", "C"}));
    list.Sort(3);
    EXPECT_EQ(CodesOf(list), (Codes{"A", "C", "B"}));
}

} // namespace aw
