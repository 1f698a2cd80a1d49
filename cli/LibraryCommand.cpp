// armorwright-cli library: prints one of the loaded libraries as a readable table.
#include "cli/CliCommand.h"

#include "base/AsciiCase.h"
#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "base/Files.h"
#include "base/NumberFormat.h"
#include "base/SettingsFolder.h"
#include "base/Utf8Path.h"
#include "cli/CommandRunner.h"
#include "engine/MovementList.h"
#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "storage/Libraries.h"
#include "weapons/BaseWeaponList.h"
#include "weapons/WeaponTexts.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace aw {

namespace {

using Row = std::vector<std::string>;

// Prints rows as columns separated by two spaces, each as wide as its widest cell;
// the last column is not padded.
void PrintTable(std::ostream &out, const Row &header, std::vector<Row> rows)
{
    for (Row &row : rows)
        for (std::string &cell : row)
            cell = OneLineCp1252Text(std::move(cell));
    std::vector<size_t> widths(header.size(), 0);
    auto measure = [&](const Row &row) {
        for (size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    };
    measure(header);
    for (const Row &row : rows)
        measure(row);
    auto print = [&](const Row &row) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(widths[c] - row[c].size() + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        // Widths count the library's single-byte characters; the terminal wants UTF-8.
        out << cp1252::ToUtf8(line) << "\n";
    };
    print(header);
    Row rule;
    for (size_t w : widths)
        rule.push_back(std::string(w, '-'));
    print(rule);
    for (const Row &row : rows)
        print(row);
}

void PrintWeapons(std::ostream &out, const BaseWeaponList &list)
{
    const LibraryGridRow &captions = LibraryGridCaptions();
    std::vector<Row> rows;
    for (int i = 0; i < list.Count(); ++i) {
        const LibraryGridRow cells = LibraryGridRowOf(list.Get(i));
        rows.emplace_back(cells.begin(), cells.end());
    }
    PrintTable(out, Row(captions.begin(), captions.end()), rows);
}

void PrintPerks(std::ostream &out, const PerkList &list)
{
    std::vector<Row> rows;
    const PerkVehicleData noDesign;
    for (int i = 0; i < list.Count(); ++i) {
        const PerkRecord r = list.Get(i);
        // Library templates are shown with their tokens; fixed defect texts come from the rules.
        const std::string effect = r.EffectText.empty() ? EffectTextFor(r, noDesign) : r.EffectText;
        rows.push_back(
            {number::Integer(i + 1), DisplayName(r), RatingText(r), r.FormulaText, effect, r.Aux ? "AUX" : ""});
    }
    PrintTable(out, {"#", "Name", "Rating", "Formula", "Game Effect", "AUX"}, rows);
}

void PrintMovement(std::ostream &out, const MovementList &list)
{
    auto yes = [](bool flag) { return std::string(flag ? "yes" : "-"); };
    std::vector<Row> rows;
    for (int i = 0; i < list.Count(); ++i) {
        rows.push_back({number::Integer(i), list.ModeName(i), yes(list.CustomMode(i)), yes(list.Flight(i)),
                        yes(list.CanFly(i)), yes(list.HasStall(i))});
    }
    PrintTable(out, {"#", "Mode", "Custom", "Flight", "Can Fly", "Stall"}, rows);
}

// A weapon tab by number (0..6) or by the start of its caption ("cannons", "rockets").
int WeaponTabOf(const std::string &word)
{
    if (word.size() == 1 && word[0] >= '0' && word[0] < '0' + kWeaponTypeCount)
        return word[0] - '0';
    // The start of one tab's name: "c" could be cannons, close combat or custom.
    const std::string wanted = ascii::ToLower(word);
    int found = -1;
    for (int type = 0; type < kWeaponTypeCount; ++type) {
        if (!wanted.empty() && ascii::ToLower(WeaponTypeName(type)).rfind(wanted, 0) == 0) {
            if (found >= 0)
                return -1;
            found = type;
        }
    }
    return found;
}

const char *kUsage = "Usage: armorwright-cli library [--folder DIR] KIND [TAB]\n"
                     "Prints a loaded library as a table. KIND is one of:\n"
                     "  weapons TAB   the weapons of one tab: 0..6 or the start of its caption\n"
                     "                (cannons, rockets, recoiless, support, advanced, close, custom)\n"
                     "  perks, flaws, defects, movement\n"
                     "The libraries are loaded as the editor loads them: override files (Weapons.zel,\n"
                     "pfd.zel, Movement.zel) in the program folder replace the built-in data; custom weapons\n"
                     "come from the editor's Custom.zel.\n"
                     "  --folder DIR  look for those files and Custom.zel in DIR instead\n"
                     "A damaged file is reported and the rest is listed; the exit code is then 1.\n";

int Run(const std::vector<std::string> &args)
{
    if (WantsHelp(args)) {
        std::cout << kUsage;
        return 0;
    }
    std::vector<std::string> words;
    std::optional<std::string> folder;
    try {
        // Options are read as every command reads them ("--folder=DIR" too).
        const CliArguments parsed(args, {{{"--folder"}, true}});
        words = parsed.Words();
        if (parsed.Has("--folder"))
            folder = parsed.Value("--folder");
    } catch (const CliUsage &e) {
        return UsageError("library", ErrorUtf8(e), kUsage);
    }
    if (words.empty() || words.size() > 2) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string kind = ascii::ToLower(words[0]);
    int tab = -1;
    if (kind == "weapons") {
        tab = words.size() == 2 ? WeaponTabOf(words[1]) : -1;
        if (tab < 0) {
            std::cerr << "armorwright-cli library: name one weapon tab (0..6 or cannons, rockets, ...)\n";
            return 2;
        }
    } else if ((kind != "perks" && kind != "flaws" && kind != "defects" && kind != "movement") || words.size() != 1) {
        std::cerr << kUsage;
        return 2;
    }

    // A mistyped folder would silently show the built-in data as if it were the folder's.
    if (folder && !std::filesystem::is_directory(PathFromUtf8(*folder))) {
        PrintError("library", "--folder " + cp1252::FileNameToUtf8(*folder) + ": not a folder");
        return 2;
    }

    // Loaded exactly as the editor loads them, so override files in the folder apply. As in
    // the editor, a damaged file is reported and what did load is listed all the same.
    Libraries libraries;
    int exitCode = 0;
    try {
        if (folder) {
            SetProgramFolder(*folder);
            LoadLibraries(libraries, ProgramFolder());
        } else {
            if (ProgramFolder().empty())
                SetProgramFolderFromExecutable(nullptr);
            LoadLibraries(libraries, {ProgramFolder(), SettingsFolderFor(ProgramFolder())});
        }
    } catch (const LibraryLoadError &e) {
        // A line for each file: on one error line they would run together.
        std::istringstream lines(e.Utf8());
        for (std::string line; std::getline(lines, line);)
            PrintError("library", line);
        exitCode = 1;
    }

    if (kind == "weapons")
        PrintWeapons(std::cout, libraries.WeaponList(tab));
    else if (kind == "perks")
        PrintPerks(std::cout, libraries.Perks);
    else if (kind == "flaws")
        PrintPerks(std::cout, libraries.Flaws);
    else if (kind == "defects")
        PrintPerks(std::cout, libraries.Defects);
    else
        PrintMovement(std::cout, libraries.Movement);
    return exitCode;
}

const CliRegistration registration({"library", "print a weapon tab, the perks, flaws, defects or movement modes", Run});

} // namespace

} // namespace aw
