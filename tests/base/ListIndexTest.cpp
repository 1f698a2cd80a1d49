#include "base/ListIndex.h"

#include <gtest/gtest.h>

#include <string>

namespace aw {

TEST(ListIndex, IndexesOutsideTheListFindNothingAndSettingThereAppends)
{
    std::vector<std::string> list{"a", "b"};
    for (int outside : {-1, 2, 1000, INT32_MIN}) {
        EXPECT_FALSE(ListHas(list, outside)) << outside;
        EXPECT_EQ(ListFind(list, outside), nullptr) << outside;
        EXPECT_EQ(ListGet(list, outside), "") << outside;
        EXPECT_EQ(ListGet(list, outside, std::string("none")), "none") << outside;
    }
    EXPECT_EQ(ListGet(list, 1), "b");
    ListSet(list, 1, std::string("B"));
    ListSet(list, 7, std::string("c")); // far beyond the end: appended as the next entry
    ListSet(list, -3, std::string("d"));
    EXPECT_EQ(list, (std::vector<std::string>{"a", "B", "c", "d"}));
}

TEST(ListIndex, DeletingOrExchangingOutsideTheListChangesNothing)
{
    std::vector<int> list{1, 2, 3};
    ListDelete(list, 3);
    ListDelete(list, -1);
    ListExchange(list, 0, 3);
    ListExchange(list, -1, 2);
    EXPECT_EQ(list, (std::vector<int>{1, 2, 3}));
    ListExchange(list, 0, 2);
    ListDelete(list, 1);
    EXPECT_EQ(list, (std::vector<int>{3, 1}));
    // Also for the packed vector<bool>, whose entries are not addressable.
    std::vector<bool> flags{true, false};
    ListExchange(flags, 0, 1);
    EXPECT_FALSE(ListGet(flags, 0));
    EXPECT_TRUE(ListGet(flags, 1));
    EXPECT_FALSE(ListGet(flags, 2));
}

} // namespace aw
