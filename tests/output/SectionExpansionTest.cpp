// Repeated sections are expanded by appending rather than in place. These tests hold the result
// to the in-place rule it replaces: find the next open tag after the rows inserted last, take the
// first close tag of the whole text as it stands, replace the section in the text.
#include "output/SheetTooLarge.h"
#include "output/TokenReplace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace aw {

namespace {

// The in-place expansion, step by step as the rule states it.
std::string ExpandInPlace(const std::string &open, const std::string &close, const RowBuilder &build, std::string text)
{
    size_t from = 0;
    size_t begin;
    while ((begin = text.find(open, from)) != std::string::npos) {
        const size_t bodyBegin = begin + open.size();
        const size_t closeAt = text.find(close);
        size_t bodyEnd = closeAt;
        size_t end = closeAt + close.size();
        if (closeAt == std::string::npos || closeAt < bodyBegin) {
            const size_t last = text.size() - 1;
            bodyEnd = std::max(bodyBegin, last);
            end = last;
        }
        std::string joined;
        for (const std::string &row : build(text.substr(bodyBegin, bodyEnd - bodyBegin)))
            joined += row;
        text.replace(begin, end - begin, joined);
        from = begin + joined.size();
    }
    return text;
}

// Rows that quote their body, sometimes holding a close or open tag themselves.
std::vector<std::string> RowsOf(const std::string &body)
{
    switch (body.size() % 4) {
    case 0:
        return {};
    case 1:
        return {"<" + body + ">"};
    case 2:
        return {"[" + body + "]", "/S|"}; // ends like a close tag cut in two
    default:
        return {"|/S|" + body, "|S"};
    }
}

std::string RandomText(std::mt19937 &random)
{
    static const std::vector<std::string> pieces = {"|S|", "|/S|", "|", "/", "S", "a", "bc", "|/", "S|"};
    std::uniform_int_distribution<size_t> count(0, 14);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
    std::string text;
    for (size_t i = count(random); i > 0; --i)
        text += pieces[piece(random)];
    return text;
}

} // namespace

TEST(SectionExpansion, MatchesTheInPlaceRuleOnManyTexts)
{
    std::mt19937 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = RandomText(random);
        std::string expanded = text;
        ExpandSections("|S|", "|/S|", RowsOf, expanded);
        ASSERT_EQ(expanded, ExpandInPlace("|S|", "|/S|", RowsOf, text)) << "text: " << text;
    }
}

TEST(SectionExpansion, CloseTagsInsideInsertedRowsAndAcrossTheirEnd)
{
    // The first row holds a close tag: every later section runs to the text's last character.
    std::string inRow = "|S|x|/S|y|S|z|/S|!";
    ExpandSections(
        "|S|", "|/S|", [](const std::string &body) { return std::vector<std::string>{"|/S|" + body}; }, inRow);
    EXPECT_EQ(inRow, ExpandInPlace(
                         "|S|", "|/S|", [](const std::string &body) { return std::vector<std::string>{"|/S|" + body}; },
                         "|S|x|/S|y|S|z|/S|!"));
    EXPECT_EQ(inRow, "|/S|xy|/S|z|/S|!");

    // The rows end with "|/" and the text goes on with "S|": a close tag across the join.
    const auto split = [](const std::string &body) { return std::vector<std::string>{body + "|/"}; };
    std::string across = "|S|b|/S|S|c|S|d|/S|.";
    ExpandSections("|S|", "|/S|", split, across);
    EXPECT_EQ(across, ExpandInPlace("|S|", "|/S|", split, "|S|b|/S|S|c|S|d|/S|."));
    EXPECT_EQ(across, "b|/S|cd|/S||/.");
}

TEST(SectionExpansion, OneCharacterOpenTagAtTheEndIsNotExpandedForever)
{
    std::string text = "ab#";
    ExpandSections(
        "#", "$", [](const std::string &) { return std::vector<std::string>{"R"}; }, text);
    EXPECT_EQ(text, "abR#");
}

TEST(SectionExpansion, ThousandsOfSectionsWithLargeRowsStayWithinTheSheetLimit)
{
    // Each section inserts 4 KB; 3,000 of them pass the sheet limit and are refused, rather than
    // moving a text of megabytes once per section.
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "|S|.|/S|";
    const auto big = [](const std::string &) { return std::vector<std::string>{std::string(4096, 'x')}; };
    EXPECT_THROW(ExpandSections("|S|", "|/S|", big, text), SheetTooLarge);

    std::string fits;
    for (int i = 0; i < 1000; ++i)
        fits += "|S|.|/S|";
    ExpandSections("|S|", "|/S|", big, fits);
    EXPECT_EQ(fits.size(), 1000u * 4096u);
    EXPECT_EQ(fits.find('|'), std::string::npos);
}

} // namespace aw
