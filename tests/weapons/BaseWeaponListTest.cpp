#include "weapons/BaseWeaponList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TWeaponRecord Record(const std::string &code, int32_t rating, int32_t minSize = 0)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Code = code;
    r.Name = code + " name";
    r.Rating = rating;
    r.MinSize = minSize;
    return r;
}

std::vector<std::string> Codes(const TBaseWeaponList &list)
{
    std::vector<std::string> codes;
    for (int i = 0; i < list.Count(); ++i)
        codes.push_back(list.Get(i).Code);
    return codes;
}

using Codes_ = std::vector<std::string>;

} // namespace

TEST(BaseWeaponList, LookupsPastTheEndAreEmptyAndSetPastTheEndAppends)
{
    TBaseWeaponList list;
    EXPECT_EQ(list.Get(0), TWeaponRecord{});
    list.Add(Record("A", 1));
    list.Set(9, Record("B", 2));
    list.Set(0, Record("C", 3));
    EXPECT_EQ(Codes(list), (Codes_{"C", "B"}));
    list.Delete(2);
    list.Delete(-1);
    EXPECT_EQ(list.Count(), 2);
    list.Delete(0);
    EXPECT_EQ(Codes(list), Codes_{"B"});
}

TEST(BaseWeaponListSort, FirstClickDescendsSecondAscends)
{
    TBaseWeaponList list;
    for (auto [code, rating] : {std::pair{"B", 20}, {"A", 35}, {"D", 5}, {"C", 20}})
        list.Add(Record(code, rating));
    EXPECT_EQ(list.SortKey(), 0);

    list.Sort(3);
    EXPECT_EQ(list.SortKey(), 3);
    EXPECT_EQ(Codes(list), (Codes_{"A", "B", "C", "D"}));
    list.Sort(3);
    EXPECT_EQ(list.SortKey(), -3);
    EXPECT_EQ(Codes(list), (Codes_{"D", "B", "C", "A"})); // B and C tie: their order stays
    list.Sort(3);
    EXPECT_EQ(list.SortKey(), 3);
}

TEST(BaseWeaponListSort, EqualKeysKeepThePreviousOrder)
{
    TBaseWeaponList list;
    for (auto code : {"E", "B", "D", "A", "C"})
        list.Add(Record(code, 7));
    list.Sort(3);
    EXPECT_EQ(Codes(list), (Codes_{"E", "B", "D", "A", "C"}));
    list.Sort(3);
    EXPECT_EQ(Codes(list), (Codes_{"E", "B", "D", "A", "C"}));
}

TEST(BaseWeaponListSort, TextsCompareByteWiseAndCaseSensitive)
{
    TBaseWeaponList list;
    for (auto code : {"b", "B", "AB", "A", "\xE9"})
        list.Add(Record(code, 0));
    list.Sort(1);
    list.Sort(1); // ascending
    EXPECT_EQ(Codes(list), (Codes_{"A", "AB", "B", "b", "\xE9"}));
    list.Sort(2); // names descending
    EXPECT_EQ(list.Get(0).Code, "\xE9");
    EXPECT_EQ(list.Get(4).Code, "A");
}

TEST(BaseWeaponListSort, EachColumnSortsOnItsField)
{
    struct Case {
        int column;
        int32_t TWeaponRecord::*field;
    };
    const Case cases[] = {{3, &TWeaponRecord::Rating},   {4, &TWeaponRecord::BaseRange},
                          {5, &TWeaponRecord::Accuracy}, {6, &TWeaponRecord::Damage},
                          {7, &TWeaponRecord::ROF},      {9, &TWeaponRecord::MinSize}};
    for (const Case &c : cases) {
        TBaseWeaponList list;
        const int32_t values[] = {3, -2, 9, 0};
        for (int i = 0; i < 4; ++i) {
            TWeaponRecord r = Record(std::to_string(i), 0);
            r.*c.field = values[i];
            list.Add(r);
        }
        list.Sort(c.column);
        EXPECT_EQ(Codes(list), (Codes_{"2", "0", "3", "1"})) << "column " << c.column;
    }

    TBaseWeaponList ammo;
    for (double cost : {0.27, 4.4, 0.02}) {
        TWeaponRecord r = Record(std::to_string(cost), 0);
        r.AmmoBaseCost = cost;
        ammo.Add(r);
    }
    ammo.Sort(8);
    ammo.Sort(8);
    EXPECT_EQ(ammo.Get(0).AmmoBaseCost, 0.02);
    EXPECT_EQ(ammo.Get(2).AmmoBaseCost, 4.4);
}

TEST(BaseWeaponListSort, KeysOutsideTheColumnsLeaveTheOrder)
{
    TBaseWeaponList list;
    for (auto [code, rating] : {std::pair{"B", 1}, {"A", 3}, {"C", 2}})
        list.Add(Record(code, rating));
    list.Sort(0);
    EXPECT_EQ(list.SortKey(), 0);
    list.Sort(12);
    EXPECT_EQ(list.SortKey(), 12);
    list.Sort(-10);
    EXPECT_EQ(Codes(list), (Codes_{"B", "A", "C"}));
    list.Sort(-2147483647 - 1);
    EXPECT_EQ(Codes(list), (Codes_{"B", "A", "C"}));
    list.Sort(3);
    EXPECT_EQ(Codes(list), (Codes_{"A", "C", "B"}));
}
