// Writes the seed corpora of the fuzz targets, each input made by the program's own writers:
//   aw-fuzz-seeds <corpus folder>
// One subfolder per target (see FuzzTargets); existing files of the same name are replaced.
#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "fuzz/entries/FuzzEntries.h"
#include "output/SheetLayout.h"
#include "output/SheetTemplate.h"
#include "storage/DataBlock.h"
#include "storage/Libraries.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"
#include "weapons/WeaponList.h"

#if __has_include("storage/DesignJson.h")
#include "storage/DesignJson.h"
#define AW_HAVE_DESIGN_JSON 1
#endif

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace aw {

namespace {

// The fuzzers run with inputs of at most this many bytes.
constexpr size_t kMaxSeed = 65536;
const char *const kNoOverrides = "/nonexistent-aw-folder/";

std::filesystem::path g_root;
int g_written = 0;

void seed(const char *target, const std::string &name, const std::vector<uint8_t> &bytes)
{
    if (bytes.size() > kMaxSeed)
        return;
    const std::filesystem::path folder = g_root / target;
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / ("seed-" + name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ++g_written;
}

std::vector<uint8_t> withSelector(OverrideFile which, const std::vector<uint8_t> &content)
{
    std::vector<uint8_t> bytes{static_cast<uint8_t>(which)};
    bytes.insert(bytes.end(), content.begin(), content.end());
    return bytes;
}

std::vector<uint8_t> textBytes(const std::string &text) { return {text.begin(), text.end()}; }

void designSeeds()
{
    for (const samples::SampleDesign &design : samples::SampleDesigns()) {
        const std::vector<uint8_t> body = BodyOf(*design.Design);
        seed("design_body", design.Name, body);
        seed("container", design.Name, CompressBytes(body));
#ifdef AW_HAVE_DESIGN_JSON
        seed("design_json", design.Name, textBytes(DesignToJson(*design.Design)));
#endif
    }
    seed("design_body", "version-6", samples::Version6Body());
    seed("container", "version-6", CompressBytes(samples::Version6Body()));
    seed("container", "nothing", CompressBytes(std::vector<uint8_t>{}));
    seed("container", "repeats", CompressBytes(std::vector<uint8_t>(5000, 'x')));
}

void overrideSeeds()
{
    const Libraries &libs = samples::BuiltInLibraries();

    std::vector<uint8_t> weapons;
    for (int type = 0; type < kWeaponTypeCount; ++type)
        for (int i = 0; i < libs.WeaponList(type).Count(); i += 4) {
            weapons.resize(weapons.size() + kWeaponRecordSize);
            WriteWeaponRecord(libs.WeaponList(type).Get(i), weapons.data() + weapons.size() - kWeaponRecordSize);
        }
    seed("override_file", "weapons", withSelector(OverrideFile::Weapons, weapons));
    seed("override_file", "custom",
         withSelector(OverrideFile::Custom,
                      CompressBytes(std::vector<uint8_t>(weapons.begin(), weapons.begin() + 3 * kWeaponRecordSize))));

    std::vector<uint8_t> perks;
    for (const PerkList *list : {&libs.Perks, &libs.Flaws})
        for (int i = 0; i < list->Count(); i += 12) {
            perks.resize(perks.size() + PerkRecord::Size);
            WritePerkRecord(list->Get(i), perks.data() + perks.size() - PerkRecord::Size);
        }
    seed("override_file", "perks", withSelector(OverrideFile::Perks, perks));

    std::vector<uint8_t> movement(static_cast<size_t>(libs.Movement.Count()) * MovementRecord::Size);
    for (int i = 0; i < libs.Movement.Count(); ++i)
        WriteMovementRecord(libs.Movement.Get(i), movement.data() + static_cast<size_t>(i) * MovementRecord::Size);
    seed("override_file", "movement", withSelector(OverrideFile::Movement, movement));

    const Stream dropDown = OpenDataBlock("DropDown.zel", "DROPDOWN", kNoOverrides);
    seed("override_file", "dropdown", withSelector(OverrideFile::DropDown, dropDown.Bytes()));
    seed("override_file", "dropdown-short", withSelector(OverrideFile::DropDown, textBytes("a\r\n|\r\nb\n|\n\n| \r")));

    WindowPositionStore store;
    store.StoreWindowPosition(0, {10, 20, 600, 800});
    store.StoreWindowPosition(3, {0, 0, 300, 400});
    LayoutValues layout;
    for (size_t i = 0; i < layout.size(); ++i)
        layout[i] = static_cast<int32_t>(50 + i);
    store.SetLayoutValues(layout);
    seed("override_file", "screen", withSelector(OverrideFile::Screen, store.FileBytes()));
}

SheetLabel label(const std::string &text, int top, int left, uint8_t style)
{
    SheetLabel l;
    l.Text = text;
    l.FontName = "Arial";
    l.PointSize = 8 + top % 5;
    l.Style = style;
    l.Alignment = static_cast<uint8_t>(left % 3);
    l.Box = {top, left, 14, 90};
    return l;
}

void layoutSeeds()
{
    SheetLayout small;
    small.Background = samples::BitmapFile(160, 120, 24, 5);
    small.Items.push_back(label("|NAME|", 2, 2, sheetstyle::Bold));
    small.Items.push_back(label("TV |TV| |WEPSR1| |WEPNAME2|", 20, 4, 0));
    small.Items.push_back(
        label("|PERKNAME1||FLAWRATING1||DEFECTEFFECT1||MOVNAME2|", 40, 5, sheetstyle::Italic | sheetstyle::Underline));
    small.Items.push_back(SheetArmourBox{5, 0xFFFFFF, 0x202020, {60, 10, 8, 8}});
    small.Items.push_back(SheetArmourBox{50, 0x00FF00, 0x0000FF, {60, 20, 8, 8}});
    small.Items.push_back(SheetPictureFrame{{70, 60, 40, 80}});
    seed("sheet_layout", "small", SheetLayoutBytes(small));

    SheetLayout paletted = small;
    paletted.Background = samples::BitmapFile(90, 70, 8, 6);
    seed("sheet_layout", "paletted", SheetLayoutBytes(paletted));

    // The built-in sheet's items on a small background, as many as fit a seed.
    const Stream block = OpenDataBlock("Jpeg.zel", "JPEG", kNoOverrides);
    Stream stream(block.Bytes());
    SheetLayout builtIn = ReadSheetLayout(stream);
    builtIn.Background = samples::BitmapFile(300, 390, 4, 7);
    while (!builtIn.Items.empty() && SheetLayoutBytes(builtIn).size() > kMaxSeed)
        builtIn.Items.resize(builtIn.Items.size() * 3 / 4);
    seed("sheet_layout", "built-in-items", SheetLayoutBytes(builtIn));
}

void templateSeeds()
{
    const auto templateSeed = [](const char *name, SheetKind kind, const std::string &text) {
        std::vector<uint8_t> bytes{static_cast<uint8_t>(kind == SheetKind::Html ? 1 : 0)};
        bytes.insert(bytes.end(), text.begin(), text.end());
        seed("sheet_template", name, bytes);
    };
    templateSeed("text", SheetKind::Text, SheetTemplate(SheetKind::Text, kNoOverrides));
    templateSeed("html", SheetKind::Html, SheetTemplate(SheetKind::Html, kNoOverrides));
    templateSeed("sections", SheetKind::Text,
                 "|MOV>2|x|/MOV>2||MOVEMENT||MOVNAME||HASSTALL||MOVSTALL||/HASSTALL|\n|/MOVEMENT|"
                 "|WEAPONS||WEPNAME25| |WEPSR3|\n|/WEAPONS||PERKS||PFDNAME21||PFDEFFECT53|\n|/PERKS|"
                 "|FLAWS||PFDRATING6||/FLAWS||DEFECTS||PFDAUX3||/DEFECTS||NAME15||ARMORx2||GENERAL|");
}

} // namespace

} // namespace aw

int main(int argc, char **argv)
{
    using namespace aw;
    if (argc != 2) {
        std::fprintf(stderr, "usage: aw-fuzz-seeds <corpus folder>\n");
        return 2;
    }
    g_root = argv[1];
    designSeeds();
    overrideSeeds();
    layoutSeeds();
    templateSeeds();
    std::printf("%d seeds written to %s\n", g_written, argv[1]);
    return 0;
}
