#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace aw {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8AndUtf16)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    char32_t bad = 0;
    ASSERT_TRUE(cp1252::FromUtf8(cp1252::ToUtf8(all), back, bad));
    EXPECT_EQ(back, all);
    const std::u16string utf16 = cp1252::ToUtf16(all);
    ASSERT_EQ(utf16.size(), all.size()); // one code unit per byte
    EXPECT_EQ(cp1252::FromUtf16(utf16), all);
}

TEST(Cp1252, CharactersMapToTheirWindowsBytes)
{
    EXPECT_EQ(cp1252::ToUtf8("\x80\x85\x96\xE9\xFF"), "\u20AC\u2026\u2013\u00E9\u00FF");
    EXPECT_EQ(cp1252::ToUtf16("\x80\x9F\x81 A"), u"\u20AC\u0178\u0081 A"); // 0x81 is undefined: kept as C1
    std::string out;
    char32_t bad = 0;
    ASSERT_TRUE(cp1252::FromUtf8("\u0152\u2122\u017E", out, bad));
    EXPECT_EQ(out, "\x8C\x99\x9E");
    EXPECT_EQ(cp1252::FromUtf16(u"\u0152\u2122\u017E\u00A0"), "\x8C\x99\x9E\xA0");
    // A character Windows-1252 has no byte for, and broken UTF-8.
    EXPECT_FALSE(cp1252::FromUtf8("a\u0100b", out, bad));
    EXPECT_EQ(bad, U'\u0100');
    EXPECT_FALSE(cp1252::FromUtf8("\xE2\x82", out, bad)); // cut short
    EXPECT_EQ(bad, U'\uFFFD');
    EXPECT_FALSE(cp1252::FromUtf8("\xC0\xAF", out, bad));     // overlong "/"
    EXPECT_FALSE(cp1252::FromUtf8("\xED\xA0\x80", out, bad)); // a surrogate
}

TEST(Cp1252, Utf16CharactersWithoutAByteAreReplacedOneForOne)
{
    // U+4E2D has no byte; the pair U+1F600 is one character, so one replacement.
    EXPECT_EQ(cp1252::FromUtf16(u"a\u4E2Db\U0001F600c"), "a?b?c");
    // Unpaired surrogates (a high one at the end, a low one alone) each become one replacement.
    const char16_t lone[] = {u'x', 0xDC00, u'y', 0xD800, 0};
    EXPECT_EQ(cp1252::FromUtf16(lone, '#'), "x#y#");
    // A high surrogate followed by a plain character is not a pair: the character stays.
    const char16_t broken[] = {0xD83D, u'z', 0};
    EXPECT_EQ(cp1252::FromUtf16(broken), "?z");
}

TEST(Cp1252, CommandLineFileNamesBecomeUtf8)
{
    EXPECT_EQ(cp1252::FileNameToUtf8("/home/j\u00F6rg/a.vkd"), "/home/j\u00F6rg/a.vkd");
    EXPECT_EQ(cp1252::FileNameToUtf8("Sch\xFCtze"), "Sch\u00FCtze");
    EXPECT_EQ(cp1252::FileNameToUtf8("caf\xE9/na\u00EFve.vkd"), "caf\u00E9/na\u00EFve.vkd"); // part by part
    EXPECT_EQ(cp1252::FileNameToUtf8("a \uFFFD b"), "a \uFFFD b"); // a literal replacement character is valid
}

} // namespace aw
