#include "output/ConvertError.h"
#include "output/TokenReplace.h"
#include "output/TokenSet.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

std::vector<std::string> RowsFromBody(const std::string &body, const std::vector<std::string> &values)
{
    std::vector<std::string> rows;
    for (const std::string &value : values) {
        std::string row = body;
        ReplaceToken("|V|", value, row);
        rows.push_back(row);
    }
    return rows;
}

std::string ConvertErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ConvertError &error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(TemplateExactToken, ReplacesEveryOccurrenceWithoutRescanningItsOwnValue)
{
    std::string text = "|A| and |A||A|";
    ReplaceToken("|A|", "x|A|y", text);
    EXPECT_EQ(text, "x|A|y and x|A|yx|A|y");

    std::string empty = "a|GONE|b|GONE|";
    ReplaceToken("|GONE|", "", empty);
    EXPECT_EQ(empty, "ab");

    std::string overlapping = "|||";
    ReplaceToken("||", "-", overlapping);
    EXPECT_EQ(overlapping, "-|");
}

TEST(TemplateExactToken, ValueInsertedEarlierIsExpandedByLaterTokens)
{
    std::string text = "Notes: |GENERAL|";
    ReplaceToken("|GENERAL|", "Built by |NAME| works", text);
    ReplaceToken("|NAME|", "Rhino", text);
    EXPECT_EQ(text, "Notes: Built by Rhino works");
}

TEST(TemplateExactToken, TemplateWithoutTokensIsUnchanged)
{
    const std::string original = "plain\r\ntext | with a bar";
    std::string text = original;
    TokenSet set;
    set.Add("NAME", "Rhino");
    set.Apply(text);
    EXPECT_EQ(text, original);
}

TEST(TemplateWidthToken, CutsOrPadsOnTheRight)
{
    std::string text = "[|WEPNAME8|][|WEPNAME8|]";
    ReplaceWidthToken("|WEPNAME", "|", "Heavy Autocannon", text);
    EXPECT_EQ(text, "[Heavy Au][Heavy Au]");

    text = "[|WEPNAME8|]";
    ReplaceWidthToken("|WEPNAME", "|", "MG", text);
    EXPECT_EQ(text, "[MG      ]");

    text = "[|PFDRATING0|]";
    ReplaceWidthToken("|PFDRATING", "|", "12.5", text);
    EXPECT_EQ(text, "[]");

    EXPECT_EQ(FitToWidth("abc", 3), "abc");
    EXPECT_EQ(FitToWidth("abc", 0), "");
}

TEST(TemplateWidthToken, AbsurdWidthsAreCutToTheWidestColumn)
{
    std::string text = "[|NAME10000|][|NAME10001|][|NAME5000000|]";
    ReplaceWidthToken("|NAME", "|", "Rhino", text);
    const std::string column = "Rhino" + std::string(kMaxTokenWidth - 5, ' ');
    EXPECT_EQ(text, "[" + column + "][" + column + "][" + column + "]");
    EXPECT_EQ(FitToWidth(std::string(20000, 'x'), 2000000000), std::string(kMaxTokenWidth, 'x'));
}

TEST(TemplateWidthToken, NonDigitsInsideTheTokenAreDropped)
{
    std::string text = "<|TVa1b2|>";
    ReplaceWidthToken("|TV", "|", "123456789012345", text);
    EXPECT_EQ(text, "<123456789012>");
}

TEST(TemplateWidthToken, WithoutClosingBarStaysAsWritten)
{
    std::string text = "A |MOVSTALL12 and more";
    ReplaceWidthToken("|MOVSTALL", "|", "3", text);
    EXPECT_EQ(text, "A |MOVSTALL12 and more");
}

TEST(TemplateWidthToken, WithoutDigitsFailsWithTheIntegerConversionError)
{
    std::string text = "x |NAME| y";
    EXPECT_EQ(ConvertErrorOf([&] { ReplaceWidthToken("|NAME", "|", "v", text); }), "'' is not a valid integer value");
    std::string huge = "|NAME99999999999|";
    EXPECT_EQ(ConvertErrorOf([&] { ReplaceWidthToken("|NAME", "|", "v", huge); }),
              "'99999999999' is not a valid integer value");
}

TEST(TemplateWidthToken, ValueHoldingItsOwnTokenDoesNotLoop)
{
    std::string text = "|NAME10|.";
    ReplaceWidthToken("|NAME", "|", "|NAME10|", text);
    EXPECT_EQ(text, "|NAME10|  .");
}

TEST(TemplateWidthToken, LongestNameOfTheSetWins)
{
    TokenSet set;
    set.Add("ARMOR", "7");
    set.Add("ARMORx2", "14");
    set.Add("ARMORMATERIAL", "Steel");
    set.Add("MAN", "-1");
    set.Add("MANUFACT", "Acme");
    std::string text = "|ARMORx212|;|ARMOR3|;|ARMORMATERIAL6|;|MANUFACT5|;|MAN2|";
    set.Apply(text);
    EXPECT_EQ(text, "14          ;7  ;Steel ;Acme ;-1");
}

TEST(TemplateWidthToken, ExactAndWidthFormsMayCarryDifferentFormats)
{
    TokenSet set;
    set.Add("TV", "1,235", "1,234.56");
    set.AddExactOnly("GENERAL", "note");
    std::string text = "|TV| |TV8| |GENERAL|";
    set.Apply(text);
    EXPECT_EQ(text, "1,235 1,234.56 note");

    // An exact-only name has no width form: "|GENERAL5|" stays.
    text = "|GENERAL5|";
    set.Apply(text);
    EXPECT_EQ(text, "|GENERAL5|");
}

TEST(TemplateWidthToken, WidthRowBeforeSpeedInKilometres)
{
    TokenSet set;
    set.Add("MOVTOP", "10");
    set.Add("MOVTOPKPH", "60");
    std::string text = "|MOVTOPKPH10||MOVTOP3|";
    set.Apply(text);
    EXPECT_EQ(text, "60        10 ");
}

TEST(TemplateIndexedToken, AddressesRowsFromOne)
{
    const std::vector<std::string> ranges = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    std::string text = "[|WEPSR3|][|WEPSR11|][|WEPSR0|][|WEPSR10|][|WEPSR3|]";
    ReplaceIndexedToken("|WEPSR", ranges, text);
    EXPECT_EQ(text, "[3][][][10][3]");

    std::string empty = "[|WEPSR1|]";
    ReplaceIndexedToken("|WEPSR", {}, empty);
    EXPECT_EQ(empty, "[]");
}

TEST(TemplateIndexedToken, LongerNameMustGoFirst)
{
    std::string text = "|WEPSROF1| |WEPSR1|";
    ReplaceIndexedToken("|WEPSROF", {"+2ROF"}, text);
    ReplaceIndexedToken("|WEPSR", {"4"}, text);
    EXPECT_EQ(text, "+2ROF 4");

    std::string wrongOrder = "|WEPSROF1|";
    EXPECT_EQ(ConvertErrorOf([&] { ReplaceIndexedToken("|WEPSR", {"4"}, wrongOrder); }),
              "'OF1' is not a valid integer value");
}

TEST(TemplateIndexedToken, RowHoldingItsOwnTokenDoesNotLoop)
{
    std::string text = "|N1||N1|";
    ReplaceIndexedToken("|N", {"|N1|"}, text);
    EXPECT_EQ(text, "|N1||N1|");
}

TEST(TemplateSections, BodyAndReplacement)
{
    const std::string text = "head|S|body|/S|tail";
    EXPECT_EQ(SectionBody("|S|", "|/S|", text), "body");
    std::string replaced = text;
    ReplaceSection("|S|", "|/S|", {"r1", "r2"}, replaced);
    EXPECT_EQ(replaced, "headr1r2tail");

    std::string emptied = text;
    ReplaceSection("|S|", "|/S|", {}, emptied);
    EXPECT_EQ(emptied, "headtail");
}

TEST(TemplateSections, MissingOrEarlierCloseTagRunsToTheLastCharacter)
{
    const std::string missing = "ab|S|cdef";
    EXPECT_EQ(SectionBody("|S|", "|/S|", missing), "cde");
    std::string replaced = missing;
    ReplaceSection("|S|", "|/S|", {"R"}, replaced);
    EXPECT_EQ(replaced, "abRf");

    const std::string before = "|/S|a|S|b|/S|c";
    EXPECT_EQ(SectionBody("|S|", "|/S|", before), "b|/S|");
    std::string replacedBefore = before;
    ReplaceSection("|S|", "|/S|", {"R"}, replacedBefore);
    EXPECT_EQ(replacedBefore, "|/S|aRc");

    // The open tag is the end of the text: an empty body, its last bar stays.
    EXPECT_EQ(SectionBody("|S|", "|/S|", "x|S|"), "");
    std::string atEnd = "x|S|";
    ReplaceSection("|S|", "|/S|", {"R"}, atEnd);
    EXPECT_EQ(atEnd, "xR|");
}

TEST(TemplateSections, EverySectionGetsAllRowsFirstOneFirst)
{
    std::string text = "P:|PERKS|<|V|>|/PERKS|;Q:|PERKS|(|V|)|/PERKS|.";
    ExpandSections(
        "|PERKS|", "|/PERKS|",
        [](const std::string &body) {
            return RowsFromBody(body, {"a", "b"});
        },
        text);
    EXPECT_EQ(text, "P:<a><b>;Q:(a)(b).");
}

TEST(TemplateSections, EmptyRowListRemovesSectionWithTagsAndBody)
{
    std::string text = "Weapons|WEAPONS|\r\n|V||/WEAPONS|\r\n\r\nPerks";
    ExpandSections(
        "|WEAPONS|", "|/WEAPONS|", [](const std::string &) { return std::vector<std::string>{}; }, text);
    EXPECT_EQ(text, "Weapons\r\n\r\nPerks");
}

TEST(TemplateSections, RowHoldingTheOpenTagDoesNotLoop)
{
    std::string text = "|PERKS|[|V|]|/PERKS|!";
    ExpandSections(
        "|PERKS|", "|/PERKS|", [](const std::string &body) { return RowsFromBody(body, {"|PERKS|"}); }, text);
    EXPECT_EQ(text, "[|PERKS|]!");
}

TEST(TemplateSections, ConditionKeptOrRemoved)
{
    const std::string text = "a|MOV>2|b|/MOV>2|c|MOV>2|d|/MOV>2|e";
    std::string kept = text;
    ApplyCondition("|MOV>2|", "|/MOV>2|", true, kept);
    EXPECT_EQ(kept, "abcde");
    std::string removed = text;
    ApplyCondition("|MOV>2|", "|/MOV>2|", false, removed);
    EXPECT_EQ(removed, "ace");
}

} // namespace aw
