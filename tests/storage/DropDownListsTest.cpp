#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "codec/LzhCompressor.h"
#include "storage/DropDownLists.h"

#include <gtest/gtest.h>

namespace aw {

using Entries = std::vector<std::string>;

TEST(DropDownLists, BuiltInTextFillsTheEightBoxes)
{
    TempFolder dir;
    const DropDownLists lists = LoadDropDownLists(dir.Folder());
    const size_t counts[] = {23, 28, 2, 2, 23, 2, 13, 2};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(lists[i].size(), counts[i]) << "list " << i + 1;
    EXPECT_EQ(lists[4][10], "Steam "); // trailing space kept
    EXPECT_EQ(lists[7], (Entries{"<Unkown>", "<Other>"}));
}

TEST(DropDownLists, ThreeListsLeaveTheOtherFiveEmpty)
{
    TempFolder dir;
    WriteFileAtomically(dir / "DropDown.zel", CompressBytes(Bytes("Tank\r\nBoat\r\n|\r\nRecon\r\n|\r\nAcme\r\n")));
    const DropDownLists lists = LoadDropDownLists(dir.Folder());
    EXPECT_EQ(lists[0], (Entries{"Tank", "Boat"}));
    EXPECT_EQ(lists[1], (Entries{"Recon"}));
    EXPECT_EQ(lists[2], (Entries{"Acme"}));
    for (size_t i = 3; i < 8; ++i)
        EXPECT_TRUE(lists[i].empty()) << i;
}

TEST(DropDownLists, SplittingRules)
{
    // Only a bare "|" separates.
    const DropDownLists bars = SplitDropDownLists("a\n | \n|x\n|\nb\n");
    EXPECT_EQ(bars[0], (Entries{"a", " | ", "|x"}));
    EXPECT_EQ(bars[1], (Entries{"b"}));
    // CR, LF and CR LF end lines; LF CR is two ends; empty lines are entries; text after the
    // last end is a last line.
    EXPECT_EQ(SplitDropDownLists("one\rtwo\nthree\r\n\r\nfour\n\rfive")[0],
              (Entries{"one", "two", "three", "", "four", "", "five"}));
    EXPECT_EQ(SplitDropDownLists("x\r\n")[0], (Entries{"x"}));
    // Lines after the eighth list's end are ignored.
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "e" + std::to_string(i) + "\n|\n";
    const DropDownLists lists = SplitDropDownLists(text);
    EXPECT_EQ(lists[7], (Entries{"e8"}));
}

} // namespace aw
