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

void Seed(const char *target, const std::string &name, const std::vector<uint8_t> &bytes)
{
    if (bytes.size() > kMaxSeed)
        return;
    const std::filesystem::path folder = g_root / target;
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / ("seed-" + name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ++g_written;
}

std::vector<uint8_t> WithSelector(OverrideFile which, const std::vector<uint8_t> &content)
{
    std::vector<uint8_t> bytes{static_cast<uint8_t>(which)};
    bytes.insert(bytes.end(), content.begin(), content.end());
    return bytes;
}

std::vector<uint8_t> TextBytes(const std::string &text) { return {text.begin(), text.end()}; }

void DesignSeeds()
{
    for (const samples::SampleDesign &design : samples::SampleDesigns()) {
        const std::vector<uint8_t> body = BodyOf(*design.Design);
        Seed("design_body", design.Name, body);
        Seed("container", design.Name, CompressBytes(body));
#ifdef AW_HAVE_DESIGN_JSON
        Seed("design_json", design.Name, TextBytes(DesignToJson(*design.Design)));
#endif
    }
    Seed("design_body", "version-6", samples::Version6Body());
    Seed("container", "version-6", CompressBytes(samples::Version6Body()));
    Seed("container", "nothing", CompressBytes(std::vector<uint8_t>{}));
    Seed("container", "repeats", CompressBytes(std::vector<uint8_t>(5000, 'x')));
}

void OverrideSeeds()
{
    const Libraries &libs = samples::BuiltInLibraries();

    std::vector<uint8_t> weapons;
    for (int type = 0; type < kWeaponTypeCount; ++type)
        for (int i = 0; i < libs.WeaponList(type).Count(); i += 4) {
            weapons.resize(weapons.size() + kWeaponRecordSize);
            WriteWeaponRecord(libs.WeaponList(type).Get(i), weapons.data() + weapons.size() - kWeaponRecordSize);
        }
    Seed("override_file", "weapons", WithSelector(OverrideFile::Weapons, weapons));
    Seed("override_file", "custom",
         WithSelector(OverrideFile::Custom,
                      CompressBytes(std::vector<uint8_t>(weapons.begin(), weapons.begin() + 3 * kWeaponRecordSize))));

    std::vector<uint8_t> perks;
    for (const PerkList *list : {&libs.Perks, &libs.Flaws})
        for (int i = 0; i < list->Count(); i += 12) {
            perks.resize(perks.size() + PerkRecord::Size);
            WritePerkRecord(list->Get(i), perks.data() + perks.size() - PerkRecord::Size);
        }
    Seed("override_file", "perks", WithSelector(OverrideFile::Perks, perks));

    std::vector<uint8_t> movement(static_cast<size_t>(libs.Movement.Count()) * MovementRecord::Size);
    for (int i = 0; i < libs.Movement.Count(); ++i)
        WriteMovementRecord(libs.Movement.Get(i), movement.data() + static_cast<size_t>(i) * MovementRecord::Size);
    Seed("override_file", "movement", WithSelector(OverrideFile::Movement, movement));

    const Stream dropDown = OpenDataBlock("DropDown.zel", "DROPDOWN", kNoOverrides);
    Seed("override_file", "dropdown", WithSelector(OverrideFile::DropDown, dropDown.Bytes()));
    Seed("override_file", "dropdown-short", WithSelector(OverrideFile::DropDown, TextBytes("a\r\n|\r\nb\n|\n\n| \r")));

    WindowPositionStore store;
    store.StoreWindowPosition(0, {10, 20, 600, 800});
    store.StoreWindowPosition(3, {0, 0, 300, 400});
    LayoutValues layout;
    for (size_t i = 0; i < layout.size(); ++i)
        layout[i] = static_cast<int32_t>(50 + i);
    store.SetLayoutValues(layout);
    Seed("override_file", "screen", WithSelector(OverrideFile::Screen, store.FileBytes()));
}

SheetLabel Label(const std::string &text, int top, int left, uint8_t style)
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

void LayoutSeeds()
{
    SheetLayout small;
    small.Background = samples::BitmapFile(160, 120, 24, 5);
    small.Items.push_back(Label("|NAME|", 2, 2, sheetstyle::Bold));
    small.Items.push_back(Label("TV |TV| |WEPSR1| |WEPNAME2|", 20, 4, 0));
    small.Items.push_back(
        Label("|PERKNAME1||FLAWRATING1||DEFECTEFFECT1||MOVNAME2|", 40, 5, sheetstyle::Italic | sheetstyle::Underline));
    small.Items.push_back(SheetArmourBox{5, 0xFFFFFF, 0x202020, {60, 10, 8, 8}});
    small.Items.push_back(SheetArmourBox{50, 0x00FF00, 0x0000FF, {60, 20, 8, 8}});
    small.Items.push_back(SheetPictureFrame{{70, 60, 40, 80}});
    Seed("sheet_layout", "small", SheetLayoutBytes(small));

    SheetLayout paletted = small;
    paletted.Background = samples::BitmapFile(90, 70, 8, 6);
    Seed("sheet_layout", "paletted", SheetLayoutBytes(paletted));

    // The built-in sheet's items on a small background, as many as fit a seed.
    const Stream block = OpenDataBlock("Jpeg.zel", "JPEG", kNoOverrides);
    Stream stream(block.Bytes());
    SheetLayout builtIn = ReadSheetLayout(stream);
    builtIn.Background = samples::BitmapFile(300, 390, 4, 7);
    while (!builtIn.Items.empty() && SheetLayoutBytes(builtIn).size() > kMaxSeed)
        builtIn.Items.resize(builtIn.Items.size() * 3 / 4);
    Seed("sheet_layout", "built-in-items", SheetLayoutBytes(builtIn));
}

void TemplateSeeds()
{
    const auto templateSeed = [](const char *name, SheetKind kind, const std::string &text) {
        std::vector<uint8_t> bytes{static_cast<uint8_t>(kind == SheetKind::Html ? 1 : 0)};
        bytes.insert(bytes.end(), text.begin(), text.end());
        Seed("sheet_template", name, bytes);
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
    DesignSeeds();
    OverrideSeeds();
    LayoutSeeds();
    TemplateSeeds();
    std::printf("%d seeds written to %s\n", g_written, argv[1]);
    return 0;
}
