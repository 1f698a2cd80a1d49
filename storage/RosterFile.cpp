#include "storage/RosterFile.h"

#include "base/Files.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>

using nlohmann::ordered_json;

namespace aw {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string &path, const std::string &problem)
{
    throw RosterFileError(ErrorText().SystemText(path + ": " + problem));
}

std::string LoadedPath(const std::string &stored, const std::string &folder)
{
    const fs::path path(stored);
    return (path.is_absolute() ? path : fs::path(folder) / path).lexically_normal().string();
}

const ordered_json *Member(const ordered_json &object, const char *key)
{
    const auto found = object.find(key);
    return found == object.end() || found->is_null() ? nullptr : &*found;
}

std::string ReadText(const ordered_json &object, const char *key, const std::string &path, bool required)
{
    const ordered_json *value = Member(object, key);
    if (!value) {
        if (required)
            fail(path, "\"" + std::string(key) + "\" is missing");
        return {};
    }
    if (!value->is_string())
        fail(path + "." + key, "expected a text");
    return value->get<std::string>();
}

RosterEntry ReadEntry(const ordered_json &value, const std::string &path, const std::string &folder)
{
    if (!value.is_object())
        fail(path, "expected an object");
    RosterEntry entry;
    const std::string design = ReadText(value, "design", path, true);
    if (design.empty())
        fail(path + ".design", "the design file is not named");
    entry.Design = LoadedPath(design, folder);
    if (const ordered_json *quantity = Member(value, "quantity")) {
        if (!quantity->is_number_integer() || quantity->get<int64_t>() < 1 ||
            quantity->get<int64_t>() > kMaxRosterQuantity)
            fail(path + ".quantity", "expected a whole number from 1 to " + std::to_string(kMaxRosterQuantity));
        entry.Quantity = quantity->get<int>();
    }
    entry.Note = ReadText(value, "note", path, false);
    return entry;
}

} // namespace

std::string RosterStoredPath(const std::string &design, const std::string &folder)
{
    const fs::path relative = fs::path(design).lexically_relative(fs::path(folder));
    return relative.empty() ? fs::path(design).generic_string() : relative.generic_string();
}

std::string RosterFolder(const std::string &rosterPath)
{
    return fs::absolute(fs::path(rosterPath)).parent_path().string();
}

std::string RosterToJson(const Roster &roster, const std::string &folder)
{
    ordered_json entries = ordered_json::array();
    for (const RosterEntry &entry : roster.Entries)
        entries.push_back(
            {{"design", RosterStoredPath(entry.Design, folder)}, {"quantity", entry.Quantity}, {"note", entry.Note}});
    const ordered_json json = {{"name", roster.Name},
                               {"budget", roster.Budget ? ordered_json(*roster.Budget) : ordered_json()},
                               {"entries", std::move(entries)}};
    try {
        return json.dump(2) + "\n";
    } catch (const ordered_json::type_error &) {
        throw RosterFileError(ErrorText().SystemText("a name, note or design path is not valid UTF-8 text"));
    }
}

Roster RosterFromJson(const std::string &text, const std::string &folder)
{
    ordered_json json;
    try {
        json = ordered_json::parse(text);
    } catch (const ordered_json::parse_error &e) {
        fail("$", std::string("not JSON (") + e.what() + ")");
    }
    if (!json.is_object())
        fail("$", "expected an object");
    Roster roster;
    roster.Name = ReadText(json, "name", "$", false);
    if (const ordered_json *budget = Member(json, "budget")) {
        if (!budget->is_number() || !std::isfinite(budget->get<double>()) || budget->get<double>() < 0)
            fail("$.budget", "expected a threat value of 0 or more, or null");
        roster.Budget = budget->get<double>();
    }
    const ordered_json *entries = Member(json, "entries");
    if (!entries || !entries->is_array())
        fail("$.entries", "expected a list of entries");
    for (size_t i = 0; i < entries->size(); ++i)
        roster.Entries.push_back(ReadEntry((*entries)[i], "$.entries[" + std::to_string(i) + "]", folder));
    return roster;
}

Roster ReadRosterFile(const std::string &path)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    const std::string folder = RosterFolder(path);
    try {
        return RosterFromJson(std::string(bytes.begin(), bytes.end()), folder);
    } catch (const RosterFileError &e) {
        throw RosterFileError(ErrorText().Text("The roster ").File(path).SystemText(" is damaged: " + e.Utf8()));
    }
}

void WriteRosterFile(const Roster &roster, const std::string &path)
{
    WriteFileAtomically(path, RosterToJson(roster, RosterFolder(path)));
}

} // namespace aw
