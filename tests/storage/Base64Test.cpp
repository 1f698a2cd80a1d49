#include "storage/Base64.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace aw {

TEST(Base64, StandardTestVectors)
{
    // The test vectors of RFC 4648, section 10.
    const std::pair<const char *, const char *> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto &[plain, coded] : vectors) {
        EXPECT_EQ(base64::Encode(Bytes(plain)), coded);
        std::vector<uint8_t> decoded;
        EXPECT_TRUE(base64::Decode(coded, decoded)) << coded;
        EXPECT_EQ(decoded, Bytes(plain));
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
    for (const char *bad :
         {"Zg=", "Zg", "Z===", "Zm9", "Zm=v", "Zg==Zg==", "Zm9v\n", "Zm9-", "Zh==", "Zm9=" /* spare bits */})
        EXPECT_FALSE(base64::Decode(bad, out)) << bad;
}

} // namespace aw
