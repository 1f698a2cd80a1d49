#include "storage/RosterFile.h"

#include "base/ControlCharacters.h"
#include "base/Files.h"
#include "base/Utf8Path.h"
#include "storage/JsonOnceEachKey.h"
#include "storage/JsonSyntaxMessage.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>

using nlohmann::ordered_json;

namespace aw {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string &path, const std::string &problem)
{
    throw RosterFileError(ErrorText().SystemText(path + ": " + problem));
}

std::string LoadedPath(const std::string &stored, const std::string &folder)
{
    const fs::path path = PathFromUtf8(stored);
    return Utf8FromPath((path.is_absolute() ? path : PathFromUtf8(folder) / path).lexically_normal());
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
            Fail(path, "\"" + std::string(key) + "\" is missing");
        return {};
    }
    if (!value->is_string())
        Fail(path + "." + key, "expected a text");
    return value->get<std::string>();
}

RosterEntry ReadEntry(const ordered_json &value, const std::string &path, const std::string &folder)
{
    if (!value.is_object())
        Fail(path, "expected an object");
    RosterEntry entry;
    const std::string design = ReadText(value, "design", path, true);
    if (design.empty())
        Fail(path + ".design", "the design file is not named");
    // A NUL would end the name early and open another file than the one listed.
    if (std::any_of(design.begin(), design.end(), IsControlCharacter))
        Fail(path + ".design", "the design file name holds a control character");
    entry.Design = LoadedPath(design, folder);
    if (const ordered_json *quantity = Member(value, "quantity")) {
        if (!quantity->is_number_integer() || quantity->get<int64_t>() < 1 ||
            quantity->get<int64_t>() > kMaxRosterQuantity)
            Fail(path + ".quantity", "expected a whole number from 1 to " + std::to_string(kMaxRosterQuantity));
        entry.Quantity = quantity->get<int>();
    }
    entry.Note = ReadText(value, "note", path, false);
    return entry;
}

} // namespace

std::string RosterStoredPath(const std::string &design, const std::string &folder)
{
    const fs::path relative = PathFromUtf8(design).lexically_relative(PathFromUtf8(folder));
    const std::u8string stored = (relative.empty() ? PathFromUtf8(design) : relative).generic_u8string();
    return std::string(stored.begin(), stored.end());
}

std::string RosterFolder(const std::string &rosterPath)
{
    return Utf8FromPath(fs::absolute(PathFromUtf8(rosterPath)).parent_path());
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
        json = ParseJsonOnceEachKey(text);
    } catch (const ordered_json::exception &e) {
        Fail("$", "not JSON (" + JsonSyntaxMessage(e) + ")");
    } catch (const RepeatedJsonKey &repeated) {
        Fail(repeated.Path, "given twice");
    }
    if (!json.is_object())
        Fail("$", "expected an object");
    Roster roster;
    roster.Name = ReadText(json, "name", "$", false);
    if (const ordered_json *budget = Member(json, "budget")) {
        if (!budget->is_number() || !std::isfinite(budget->get<double>()) || budget->get<double>() < 0)
            Fail("$.budget", "expected a threat value of 0 or more, or null");
        roster.Budget = budget->get<double>();
    }
    const ordered_json *entries = Member(json, "entries");
    if (!entries || !entries->is_array())
        Fail("$.entries", "expected a list of entries");
    for (size_t i = 0; i < entries->size(); ++i)
        roster.Entries.push_back(ReadEntry((*entries)[i], "$.entries[" + std::to_string(i) + "]", folder));
    return roster;
}

Roster ReadRosterFile(const std::string &path)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(PathFromUtf8(path));
    const std::string folder = RosterFolder(path);
    try {
        return RosterFromJson(std::string(bytes.begin(), bytes.end()), folder);
    } catch (const RosterFileError &e) {
        throw RosterFileError(ErrorText().Text("The roster ").File(path).SystemText(" is damaged: " + e.Utf8()));
    }
}

void WriteRosterFile(const Roster &roster, const std::string &path)
{
    WriteFileAtomically(PathFromUtf8(path), RosterToJson(roster, RosterFolder(path)));
}

} // namespace aw
