#include "storage/DesignJson.h"

#include "base/Cp1252.h"
#include "engine/DesignFields.h"
#include "engine/DesignFilePicture.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "storage/Base64.h"
#include "storage/DesignJsonKeys.h"
#include "storage/JsonOnceEachKey.h"
#include "storage/JsonSyntaxMessage.h"
#include "weapons/WeaponList.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <functional>
#include <limits>
#include <map>

namespace aw {

using nlohmann::ordered_json;

namespace {

// Reads the value at a JSON path into its place in the design.
using Setter = std::function<void(const ordered_json &value, const std::string &path)>;
using Setters = std::map<std::string, Setter, std::less<>>;

[[noreturn]] void Fail(const std::string &path, const std::string &problem) { throw DesignJsonError(path, problem); }

std::string DescribeCodePoint(char32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

int32_t ReadInt32(const ordered_json &value, const std::string &path)
{
    if (!value.is_number_integer())
        Fail(path, "expected an integer");
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int64_t highest = std::numeric_limits<int32_t>::max();
    if (value.is_number_unsigned() ? value.get<uint64_t>() > static_cast<uint64_t>(highest)
                                   : value.get<int64_t>() < lowest || value.get<int64_t>() > highest)
        Fail(path, value.dump() + " is outside the 32-bit integer range");
    return static_cast<int32_t>(value.get<int64_t>());
}

double ReadDouble(const ordered_json &value, const std::string &path)
{
    if (value.is_number())
        return value.get<double>();
    if (value.is_string()) {
        const std::string &text = value.get_ref<const std::string &>();
        if (text == designjson::kNaN)
            return std::numeric_limits<double>::quiet_NaN();
        if (text == designjson::kInfinity)
            return std::numeric_limits<double>::infinity();
        if (text == designjson::kMinusInfinity)
            return -std::numeric_limits<double>::infinity();
    }
    Fail(path, "expected a number");
}

bool ReadBool(const ordered_json &value, const std::string &path)
{
    if (!value.is_boolean())
        Fail(path, "expected true or false");
    return value.get<bool>();
}

std::string ReadText(const ordered_json &value, const std::string &path, int capacity)
{
    if (!value.is_string())
        Fail(path, "expected a text");
    std::string text;
    char32_t bad = 0;
    if (!cp1252::FromUtf8(value.get_ref<const std::string &>(), text, bad))
        Fail(path, "the character " + DescribeCodePoint(bad) + " cannot be stored in a design");
    if (capacity > 0 && text.size() > static_cast<size_t>(capacity))
        Fail(path, "longer than " + std::to_string(capacity) + " characters");
    return text;
}

std::vector<uint8_t> ReadPicture(const ordered_json &value, const std::string &path)
{
    if (!value.is_string())
        Fail(path, "expected base64 text");
    std::vector<uint8_t> bytes;
    if (!base64::Decode(value.get_ref<const std::string &>(), bytes))
        Fail(path, "expected base64 text");
    if (!bytes.empty()) {
        const std::string problem = BitmapProblem(bytes);
        if (!problem.empty())
            Fail(path, "not a readable bitmap: " + problem);
    }
    return bytes;
}

const ordered_json &ReadArray(const ordered_json &value, const std::string &path)
{
    if (!value.is_array())
        Fail(path, "expected a list");
    return value;
}

std::string ItemPath(const std::string &path, size_t i) { return path + "[" + std::to_string(i) + "]"; }

std::array<bool, kAmmoTypeCount> ReadFlags(const ordered_json &value, const std::string &path)
{
    std::array<bool, kAmmoTypeCount> flags{};
    const ordered_json &items = ReadArray(value, path);
    for (size_t i = 0; i < items.size(); ++i) {
        const int32_t k = ReadInt32(items[i], ItemPath(path, i));
        if (k < 0 || k >= kAmmoTypeCount)
            Fail(ItemPath(path, i),
                 "expected an ammunition type number from 0 to " + std::to_string(kAmmoTypeCount - 1));
        flags[static_cast<size_t>(k)] = true;
    }
    return flags;
}

// Collects a setter for every visited field.
struct SetterCollector {
    Setters &Collected;

    void operator()(const char *name, int32_t &field)
    {
        Collected[name] = [&field](const ordered_json &v, const std::string &p) { field = ReadInt32(v, p); };
    }
    void operator()(const char *name, double &field)
    {
        Collected[name] = [&field](const ordered_json &v, const std::string &p) { field = ReadDouble(v, p); };
    }
    void operator()(const char *name, bool &field)
    {
        Collected[name] = [&field](const ordered_json &v, const std::string &p) { field = ReadBool(v, p); };
    }
    void operator()(const char *name, TextField<std::string> text)
    {
        Collected[name] = [text](const ordered_json &v, const std::string &p) {
            text.Value = ReadText(v, p, text.Capacity);
        };
    }
    void operator()(const char *name, BytesField<SharedBytes> data)
    {
        Collected[name] = [data](const ordered_json &v, const std::string &p) { data.Value = ReadPicture(v, p); };
    }
    void operator()(const char *name, std::array<bool, kAmmoTypeCount> &flags)
    {
        Collected[name] = [&flags](const ordered_json &v, const std::string &p) { flags = ReadFlags(v, p); };
    }
};

// Reads an object key by key in the order the text gives them, so the first bad key of
// the text is the one reported.
void ReadObject(const ordered_json &value, const std::string &path, const Setters &setters)
{
    if (!value.is_object())
        Fail(path, "expected an object");
    for (auto it = value.begin(); it != value.end(); ++it) {
        const std::string keyPath = path + "." + it.key();
        const auto setter = setters.find(it.key());
        if (setter == setters.end())
            Fail(keyPath, "unknown field");
        setter->second(it.value(), keyPath);
    }
}

template <typename Visit, typename R> Setters FieldSetters(Visit visit, R &record)
{
    Setters setters;
    visit(record, SetterCollector{setters});
    return setters;
}

AmmoSection ReadSection(const ordered_json &value, const std::string &path)
{
    AmmoSection section = ClearAmmoSection();
    ReadObject(value, path, FieldSetters([](auto &r, auto &&f) { ForEachAmmoSectionField(r, f); }, section));
    return section;
}

Clip ReadClip(const ordered_json &value, const std::string &path)
{
    Clip clip;
    Setters setters;
    setters[designjson::kClipCount] = [&clip](const ordered_json &v, const std::string &p) {
        clip.ClipCount = ReadInt32(v, p);
    };
    setters[designjson::kSections] = [&clip](const ordered_json &v, const std::string &p) {
        clip.Clear();
        const ordered_json &items = ReadArray(v, p);
        for (size_t i = 0; i < items.size(); ++i)
            clip.AddSection(ReadSection(items[i], ItemPath(p, i)));
    };
    ReadObject(value, path, setters);
    return clip;
}

Weapon ReadWeapon(const ordered_json &value, const std::string &path)
{
    Weapon weapon;
    Setters setters = FieldSetters([](auto &r, auto &&f) { ForEachWeaponField(r, f); }, weapon.Data);
    setters[designjson::kBaseAmmo] = [&weapon](const ordered_json &v, const std::string &p) {
        weapon.Data.BaseAmmo = ReadSection(v, p);
    };
    setters[designjson::kClips] = [&weapon](const ordered_json &v, const std::string &p) {
        weapon.Clips.Clear();
        const ordered_json &items = ReadArray(v, p);
        for (size_t i = 0; i < items.size(); ++i)
            weapon.Clips.Add(ReadClip(items[i], ItemPath(p, i)));
    };
    setters[designjson::kLinks] = [&weapon](const ordered_json &v, const std::string &p) {
        weapon.Links.Clear();
        const ordered_json &items = ReadArray(v, p);
        if (items.size() > static_cast<size_t>(WeaponList::kMaxLinks))
            Fail(p, "more than " + std::to_string(WeaponList::kMaxLinks) + " links, which no design file holds");
        for (size_t i = 0; i < items.size(); ++i)
            weapon.Links.Add(ReadBool(items[i], ItemPath(p, i)));
    };
    ReadObject(value, path, setters);
    return weapon;
}

void ReadWeapons(const ordered_json &value, const std::string &path, WeaponList &weapons)
{
    const ordered_json &items = ReadArray(value, path);
    weapons.Clear();
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string weaponPath = ItemPath(path, i);
        Weapon weapon = ReadWeapon(items[i], weaponPath);
        // Every weapon lists every link; the list would silently fit a different count.
        if (i > 0 && weapon.Links.Count() != weapons.LinkCount())
            Fail(weaponPath + "." + designjson::kLinks, std::to_string(weapon.Links.Count()) +
                                                            " entries where the first weapon has " +
                                                            std::to_string(weapons.LinkCount()));
        weapons.Add(weapon);
    }
}

template <typename Record, typename List, typename Visit>
void ReadRecords(const ordered_json &value, const std::string &path, List &list, Visit visit)
{
    const ordered_json &items = ReadArray(value, path);
    list.Clear();
    for (size_t i = 0; i < items.size(); ++i) {
        Record record;
        ReadObject(items[i], ItemPath(path, i), FieldSetters(visit, record));
        list.Add(record);
    }
}

void CheckFormat(const ordered_json &root)
{
    if (!root.is_object())
        Fail("$", "expected an object");
    const std::string formatPath = std::string("$.") + designjson::kFormat;
    const auto format = root.find(designjson::kFormat);
    if (format == root.end() || !format->is_string() || format->get_ref<const std::string &>() != kDesignJsonFormat)
        Fail(formatPath, std::string("expected \"") + kDesignJsonFormat + "\"; this is not an Armorwright design");
    const std::string versionPath = std::string("$.") + designjson::kVersion;
    const auto version = root.find(designjson::kVersion);
    if (version == root.end())
        Fail(versionPath, "missing");
    const int32_t number = ReadInt32(*version, versionPath);
    if (number > kDesignJsonVersion)
        Fail(versionPath, "version " + std::to_string(number) + " is newer than this program reads (" +
                              std::to_string(kDesignJsonVersion) + ")");
    if (number < 1)
        Fail(versionPath, "unknown version " + std::to_string(number));
}

} // namespace

std::unique_ptr<Vehicle> DesignFromJson(const std::string &json)
{
    ordered_json root;
    try {
        root = ParseJsonOnceEachKey(json);
    } catch (const ordered_json::exception &e) {
        // Syntax errors and numbers too large for any number type alike.
        Fail("$", "not valid JSON: " + JsonSyntaxMessage(e));
    } catch (const RepeatedJsonKey &repeated) {
        Fail(repeated.Path, "given twice");
    }
    CheckFormat(root);

    auto vehicle = std::make_unique<Vehicle>();
    Vehicle &v = *vehicle;
    Setters setters = FieldSetters([](auto &r, auto &&f) { ForEachVehicleField(r, f); }, v);
    const auto checked = [](const ordered_json &, const std::string &) {};
    setters[designjson::kFormat] = checked;
    setters[designjson::kVersion] = checked;
    setters[designjson::kCustomProduction] = [&v](const ordered_json &value, const std::string &path) {
        ReadObject(value, path,
                   FieldSetters([](auto &r, auto &&f) { ForEachCustomProductionField(r, f); }, v.CustomProduction));
    };
    setters[designjson::kMovement] = [&v](const ordered_json &value, const std::string &path) {
        ReadRecords<MovementRecord>(value, path, *v.Movement, [](auto &r, auto &&f) { ForEachMovementField(r, f); });
    };
    const auto perkList = [](PerkList &list) {
        return [&list](const ordered_json &value, const std::string &path) {
            ReadRecords<PerkRecord>(value, path, list, [](auto &r, auto &&f) { ForEachPerkField(r, f); });
        };
    };
    setters[designjson::kPerks] = perkList(*v.Perks);
    setters[designjson::kFlaws] = perkList(*v.Flaws);
    setters[designjson::kDefects] = perkList(*v.Defects);
    setters[designjson::kWeapons] = [&v](const ordered_json &value, const std::string &path) {
        ReadWeapons(value, path, *v.Weapons);
    };
    ReadObject(root, "$", setters);
    return vehicle;
}

} // namespace aw
