#include "tools/datagen/DataGenError.h"
#include "tools/datagen/KeyValueBlocks.h"
#include "tools/datagen/PipeTable.h"
#include "tools/datagen/SourceText.h"

#include <gtest/gtest.h>

namespace aw {

using namespace sourcetext;

TEST(LibraryDataSourceText, NumbersMustBeWholeAndInRange)
{
    EXPECT_EQ(ToInt(" -7 ", "s", 1), -7);
    EXPECT_EQ(ToInt("2147483647", "s", 1), 2147483647);
    EXPECT_THROW(ToInt("2147483648", "s", 1), DataGenError);
    EXPECT_THROW(ToInt("-2147483649", "s", 1), DataGenError);
    EXPECT_THROW(ToInt("3.5", "s", 1), DataGenError);
    EXPECT_THROW(ToInt("", "s", 1), DataGenError);
    EXPECT_THROW(ToInt("12abc", "s", 1), DataGenError);

    EXPECT_EQ(ToDouble("0.1", "s", 1), 0.1);
    EXPECT_EQ(ToDouble("-2.5", "s", 1), -2.5);
    EXPECT_THROW(ToDouble("1e400", "s", 1), DataGenError);
    EXPECT_THROW(ToDouble("nan", "s", 1), DataGenError);
    EXPECT_THROW(ToDouble("inf", "s", 1), DataGenError);
    EXPECT_THROW(ToDouble("0.1.2", "s", 1), DataGenError);
}

TEST(LibraryDataSourceText, LinesKeepTheirNumbersAndSpaces)
{
    const auto lines = SplitLines("a \r\n\n# note\n  b");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].Text, "a ");
    EXPECT_EQ(lines[3].Number, 4);
    EXPECT_EQ(lines[3].Text, "  b");
    const auto content = ContentLines("a \r\n\n   # note\n  b");
    ASSERT_EQ(content.size(), 2u);
    EXPECT_EQ(content[1].Number, 4);
    EXPECT_EQ(SplitTrimmed(" a | b ||", '|'), (std::vector<std::string>{"a", "b", "", ""}));
}

TEST(LibraryDataSourceText, TablesAndBlocksKeepSectionsAndOrder)
{
    const PipeTable table("# c\nA | B\n[One]\n1 | 2\n[Two]\n3 | \n", "t", {"A", "B"});
    ASSERT_EQ(table.Rows().size(), 2u);
    EXPECT_EQ(table.Rows()[0].Section, "One");
    EXPECT_EQ(table.Rows()[1].Section, "Two");
    EXPECT_EQ(table.Rows()[1].Cells, (std::vector<std::string>{"3", ""}));
    EXPECT_EQ(table.Rows()[1].Line, 6);
    EXPECT_THROW(PipeTable("B | A\n", "t", {"A", "B"}), DataGenError);

    const auto blocks = ReadKeyValueBlocks("[A]\nk = v = w\n[B]\n", "b");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].Entries.at(0).Value, "v = w");
    EXPECT_TRUE(blocks[1].Entries.empty());
    EXPECT_THROW(ReadKeyValueBlocks("[A]\njust words\n", "b"), DataGenError);
    EXPECT_THROW(ReadKeyValueBlocks("[]\n", "b"), DataGenError);
}

} // namespace aw
