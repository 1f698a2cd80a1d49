#include "storage/Base64.h"
#include "storage/Cp1252Utf8.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> bytesOf(const std::string &text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace

TEST(Base64, StandardTestVectors)
{
    // The test vectors of RFC 4648, section 10.
    const std::pair<const char *, const char *> vectors[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto &[plain, coded] : vectors) {
        EXPECT_EQ(base64::Encode(bytesOf(plain)), coded);
        std::vector<uint8_t> decoded;
        EXPECT_TRUE(base64::Decode(coded, decoded)) << coded;
        EXPECT_EQ(decoded, bytesOf(plain));
    }
    // Every byte value, including the two alphabet ends.
    std::vector<uint8_t> all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<uint8_t>(b));
    std::vector<uint8_t> decoded;
    ASSERT_TRUE(base64::Decode(base64::Encode(all), decoded));
    EXPECT_EQ(decoded, all);
    EXPECT_EQ(base64::Encode({0xFB, 0xFF}), "+/8=");
}

TEST(Base64, MalformedTextIsRefused)
{
    std::vector<uint8_t> out;
    for (const char *bad : {"Zg=", "Zg", "Z===", "Zm9", "Zm=v", "Zg==Zg==", "Zm9v\n", "Zm9-", "Zh==", "Zm9=" /* spare bits */})
        EXPECT_FALSE(base64::Decode(bad, out)) << bad;
}

TEST(Cp1252Utf8, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = cp1252::ToUtf8(all);
    std::string back;
    char32_t bad = 0;
    ASSERT_TRUE(cp1252::FromUtf8(utf8, back, bad));
    EXPECT_EQ(back, all);
}

TEST(Cp1252Utf8, CharactersMapToTheirWindowsBytes)
{
    EXPECT_EQ(cp1252::ToUtf8("\x80\x85\x96\xE9\xFF"), "\u20AC\u2026\u2013\u00E9\u00FF");
    std::string out;
    char32_t bad = 0;
    ASSERT_TRUE(cp1252::FromUtf8("\u0152\u2122\u017E", out, bad));
    EXPECT_EQ(out, "\x8C\x99\x9E");
    // A character Windows-1252 has no byte for, and broken UTF-8.
    EXPECT_FALSE(cp1252::FromUtf8("a\u0100b", out, bad));
    EXPECT_EQ(bad, U'\u0100');
    EXPECT_FALSE(cp1252::FromUtf8("\xE2\x82", out, bad)); // cut short
    EXPECT_EQ(bad, U'\uFFFD');
    EXPECT_FALSE(cp1252::FromUtf8("\xC0\xAF", out, bad)); // overlong "/"
    EXPECT_FALSE(cp1252::FromUtf8("\xED\xA0\x80", out, bad)); // a surrogate
}

TEST(Cp1252Utf8, MessagesKeepUtf8PathsAndConvertDesignTexts)
{
    EXPECT_EQ(cp1252::MessageToUtf8("/home/j\u00F6rg/a.vkd"), "/home/j\u00F6rg/a.vkd");
    EXPECT_EQ(cp1252::MessageToUtf8("Sch\xFCtze"), "Sch\u00FCtze");
    EXPECT_EQ(cp1252::MessageToUtf8("a \uFFFD b"), "a \uFFFD b"); // a literal replacement character is valid
}
