#include "tests/storage/StorageFolder.h"

#include "storage/DropDownLists.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

using Lists = TDropDownLists;

TEST(DropDownLists, BuiltInTextFillsTheEightBoxes)
{
    TStorageFolder dir("dropdown-builtin");
    const Lists lists = LoadDropDownLists(dir.folder());
    const size_t counts[] = {23, 28, 2, 2, 23, 2, 13, 2};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(lists[i].size(), counts[i]) << "list " << i + 1;
    EXPECT_EQ(lists[0].front(), "Boat");
    EXPECT_EQ(lists[1].front(), "Assualt");
    EXPECT_EQ(lists[4][10], "Steam "); // trailing space kept
    EXPECT_EQ(lists[6][6], "Duct Tape, Chewing Gum and Bailing Wire");
    EXPECT_EQ(lists[7], (std::vector<std::string>{"<Unkown>", "<Other>"}));
}

TEST(DropDownLists, ThreeListsLeaveTheOtherFiveEmpty)
{
    TStorageFolder dir("dropdown-three");
    const std::string text = "Tank\r\nBoat\r\n|\r\nRecon\r\n|\r\nAcme\r\n";
    WriteFileAtomically(dir.file("DropDown.zel"), CompressBytes(std::vector<uint8_t>(text.begin(), text.end())));
    const Lists lists = LoadDropDownLists(dir.folder());
    EXPECT_EQ(lists[0], (std::vector<std::string>{"Tank", "Boat"}));
    EXPECT_EQ(lists[1], (std::vector<std::string>{"Recon"}));
    EXPECT_EQ(lists[2], (std::vector<std::string>{"Acme"}));
    for (size_t i = 3; i < 8; ++i)
        EXPECT_TRUE(lists[i].empty()) << i;
}

TEST(DropDownLists, OnlyABareBarSeparates)
{
    const Lists lists = SplitDropDownLists("a\n | \n|x\n|\nb\n");
    EXPECT_EQ(lists[0], (std::vector<std::string>{"a", " | ", "|x"}));
    EXPECT_EQ(lists[1], (std::vector<std::string>{"b"}));
}

TEST(DropDownLists, LineEndsOfEveryKindAndEmptyEntries)
{
    // CR, LF and CR LF all end a line; LF CR is two ends (an empty line between).
    const Lists lists = SplitDropDownLists("one\rtwo\nthree\r\n\r\nfour\n\rfive");
    EXPECT_EQ(lists[0], (std::vector<std::string>{"one", "two", "three", "", "four", "", "five"}));
    // A trailing line end adds no entry; text after the last end is a last line.
    EXPECT_EQ(SplitDropDownLists("x\r\n")[0], (std::vector<std::string>{"x"}));
    EXPECT_EQ(SplitDropDownLists("x\r\ny")[0], (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(SplitDropDownLists("")[0].empty());
}

TEST(DropDownLists, LinesAfterTheEighthListAreIgnored)
{
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "entry" + std::to_string(i) + "\n|\n";
    const Lists lists = SplitDropDownLists(text);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(lists[i], (std::vector<std::string>{"entry" + std::to_string(i + 1)}));
}
