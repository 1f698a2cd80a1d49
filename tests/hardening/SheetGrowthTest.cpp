// Sheets made from designs and templates that try to grow them without bound, or to make
// filling them take quadratic time.
#include "AllocationProbe.h"
#include "HardeningSupport.h"

#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "output/ConvertError.h"
#include "output/PrintJob.h"
#include "output/RecordSheetTokens.h"
#include "output/SheetExport.h"
#include "output/SheetTemplate.h"
#include "output/SheetTooLarge.h"
#include "output/TokenReplace.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

std::string Repeat(const std::string &text, size_t times)
{
    std::string out;
    out.reserve(text.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

// Texts that name each other's tokens: the note names the name 10,000 times, the name the
// affiliation 35 times, and so on; each later token multiplies the sheet again.
void ChainTokens(Vehicle &v)
{
    v.Description = Repeat("|NAME|", 10000);
    v.Name = Repeat("|AFFIL|", 35);
    v.Affiliation = Repeat("|FIELD|", 35);
    v.NumberOnField = Repeat("|TYPE|", 41);
    v.VehicleType = Repeat("|USE|", 50);
    v.VehicleUse = Repeat("|MANUFACT|", 25);
}

TEST(SheetGrowth, TextsNamingEachOthersTokensStopAtTheLimit)
{
    Vehicle v;
    ChainTokens(v);
    const PrintJob job = MakePrintJob(v);
    for (SheetKind kind : {SheetKind::Text, SheetKind::Html}) {
        const std::string templateText = SheetTemplate(kind, "/nonexistent-aw-folder/");
        const hardening::CpuTimer timer;
        AllocationProbe probe;
        EXPECT_THROW(SheetFromTemplate(kind, templateText, job), SheetTooLarge);
        EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit);
        EXPECT_LT(probe.Largest(), 4 * kMaxSheetText);
    }
    // The record sheet's labels expand the same way.
    const SheetTokens tokens(job, SheetFormats());
    EXPECT_THROW(tokens.Expand("|NAME| and |GENERAL|"), SheetTooLarge);
}

TEST(SheetGrowth, UnclosedSectionsInsideEachOtherStopAtTheLimit)
{
    // Each unclosed section repeats the rest of the sheet once per row, and the later sections
    // repeat the rows of the earlier ones: ten weapons, perks, flaws and defects make 10^4 copies.
    Vehicle v;
    for (int i = 0; i < 10; ++i) {
        v.Weapons->AddRecord(DefaultWeaponRecord());
        PerkRecord entry;
        entry.PFDName = "Entry " + std::to_string(i);
        v.Perks->Add(entry);
        v.Flaws->Add(entry);
        v.Defects->Add(entry);
    }
    const PrintJob job = MakePrintJob(v);
    const std::string templateText = "|WEAPONS||PERKS||FLAWS||DEFECTS|" + std::string(20000, 'x') + "|WEPNAME10|";
    const hardening::CpuTimer timer;
    AllocationProbe probe;
    EXPECT_THROW(SheetFromTemplate(SheetKind::Text, templateText, job), SheetTooLarge);
    EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit);
    EXPECT_LT(probe.Largest(), 2 * kMaxSheetText);

    // Closed sections of the same lists stay small and complete.
    const std::string closed = SheetFromTemplate(SheetKind::Text, "|PERKS|<|PFDNAME|>|/PERKS|", job);
    EXPECT_EQ(closed.size(), 10 * std::string("<Entry 0>").size());
}

TEST(SheetGrowth, NotesNamingTokensStillShowTheirValues)
{
    Vehicle v;
    v.Name = "Rhino";
    v.Description = "The |NAME| carries |CREW| crew.";
    v.Crew = 3;
    const PrintJob job = MakePrintJob(v);
    const std::string sheet = SheetFromTemplate(SheetKind::Text, "[|GENERAL|]", job);
    EXPECT_EQ(sheet, "[The Rhino carries " + std::to_string(job.Crew) + " crew.]");
}

TEST(SheetGrowth, HugeWidthsAreRefusedWithoutAllocatingThem)
{
    std::string text = "a |NAME2000000000| b";
    AllocationProbe probe;
    EXPECT_THROW(ReplaceWidthToken("|NAME", "|", "Rhino", text), SheetTooLarge);
    EXPECT_LT(probe.Largest(), 1024u * 1024);
    // A width within the limit is filled as before.
    std::string fits = "a |NAME8| b";
    ReplaceWidthToken("|NAME", "|", "Rhino", fits);
    EXPECT_EQ(fits, "a Rhino    b");
}

TEST(SheetGrowth, ManyTokensAreFilledInLinearTime)
{
    constexpr size_t kTokens = 200000;
    std::string widths = Repeat("x|NAME5|", kTokens);
    std::string indexed = Repeat("y|WEPSR2|", kTokens);
    const hardening::CpuTimer timer;
    ReplaceWidthToken("|NAME", "|", "Rhinoceros", widths);
    ReplaceIndexedToken("|WEPSR", {"one", "two"}, indexed);
    // Moving the rest of a 1.6 MB text once per token would take minutes.
    EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit);
    EXPECT_EQ(widths, Repeat("xRhino", kTokens));
    EXPECT_EQ(indexed, Repeat("ytwo", kTokens));
}

TEST(SheetGrowth, WidthTokensKeepTheirRulesWhenBuiltByAppending)
{
    // A longer name is left alone, an occurrence without terminator ends the search, and
    // inserted text is not searched again by the same call.
    std::string text = "|ARMORx2| |ARMOR8| |ARMOR3| x|ARMOR4";
    ReplaceWidthToken("|ARMOR", "|", "|ARMOR9|", text, {"|ARMORx"});
    EXPECT_EQ(text, "|ARMORx2| |ARMOR9| |AR x|ARMOR4");
    std::string bad = "|ARMORxx|";
    EXPECT_THROW(ReplaceWidthToken("|ARMOR", "|", "7", bad), ConvertError);
}

} // namespace

} // namespace aw
