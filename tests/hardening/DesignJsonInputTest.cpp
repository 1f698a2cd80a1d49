// JSON designs that are not designs: every refusal is the reader's own error, naming where.
#include "storage/DesignJson.h"

#include "engine/Vehicle.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

// The JSON of a new design with one value replaced by raw text.
std::string WithValue(const std::string &key, const std::string &raw)
{
    Vehicle v;
    std::string json = DesignToJson(v);
    const std::string field = "\"" + key + "\": ";
    const size_t at = json.find(field);
    EXPECT_NE(at, std::string::npos) << key;
    const size_t from = at + field.size();
    const size_t to = json.find_first_of(",\n", from);
    json.replace(from, to - from, raw);
    return json;
}

TEST(DesignJsonInput, NumbersBeyondEveryNumberTypeAreTheReadersError)
{
    for (const std::string &raw : std::vector<std::string>{"81e3080", "-1e999", "1" + std::string(400, '0')}) {
        try {
            DesignFromJson(WithValue("Armor", raw));
            ADD_FAILURE() << raw << " was accepted";
        } catch (const DesignJsonError &e) {
            EXPECT_EQ(e.Path(), "$") << e.what();
        }
    }
    // Within range but not a 32-bit integer: refused at the field itself.
    try {
        DesignFromJson(WithValue("Armor", "2147483648"));
        ADD_FAILURE() << "2147483648 was accepted";
    } catch (const DesignJsonError &e) {
        EXPECT_NE(e.Path().find("Armor"), std::string::npos) << e.what();
    }
    EXPECT_EQ(DesignFromJson(WithValue("Armor", "12"))->Armor, 12);
}

TEST(DesignJsonInput, DeepNestingIsRefusedWithoutExhaustingTheStack)
{
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_THROW(DesignFromJson(deep), DesignJsonError);
    const std::string object = "{\"format\":" + std::string(50000, '[') + std::string(50000, ']') + "}";
    EXPECT_THROW(DesignFromJson(object), DesignJsonError);
}

} // namespace

} // namespace aw
