#include "engine/PerkRecord.h"
#include "engine/PerkTemplates.h"

#include "base/Stream.h"

#include <gtest/gtest.h>

#include <vector>

namespace aw {

namespace {

std::vector<uint8_t> ImageOf(const PerkRecord &r)
{
    std::vector<uint8_t> image(PerkRecord::Size, 0xCC);
    WritePerkRecord(r, image.data());
    return image;
}

std::string TextAt(const std::vector<uint8_t> &image, int offset)
{
    return std::string(reinterpret_cast<const char *>(image.data() + offset + 1), image[static_cast<size_t>(offset)]);
}

} // namespace

TEST(PerkRecord, ClearedRecordImage)
{
    const std::vector<uint8_t> image = ImageOf(PerkRecord{});
    EXPECT_EQ(TextAt(image, 581), "Rating");
    EXPECT_EQ(TextAt(image, 614), "X");
    EXPECT_EQ(TextAt(image, 647), "Y");
    EXPECT_EQ(TextAt(image, 680), "Z");
    EXPECT_EQ(bytes::GetInt32(image.data() + 727), 1);
    int nonZero = 0;
    for (uint8_t b : image)
        nonZero += b != 0;
    // "Rating" (7 bytes), "X", "Y", "Z" (2 each) and the amount's low byte.
    EXPECT_EQ(nonZero, 7 + 2 + 2 + 2 + 1);
}

TEST(PerkRecord, EveryFieldAtItsOffset)
{
    PerkRecord r;
    r.PFDName = "Ammo Storage";
    r.RoundMode = 1;
    r.Arc = 8;
    r.HasArc = true;
    r.EffectText = "Effect |R|";
    r.FormulaText = "0.5 * Rating, per arc";
    r.ShowFormula = true;
    r.RatingValue = 1.5;
    r.X = 2.5;
    r.Y = 35;
    r.Z = 0.1;
    r.ShowRating = true;
    r.ShowZ = true;
    r.RatingLabel = "Tons";
    r.XLabel = "Xl";
    r.YLabel = "Yl";
    r.ZLabel = "Zl";
    r.WorthFormula = 3;
    r.Variant = -2;
    r.IsFlaw = true;
    r.Aux = true;
    r.EntryId = 7;
    r.Amount = 4;
    r.HasAmount = true;
    r.CostValue = 5000;
    r.OTVValueA = 1.25;
    r.OTVValueB = 2.75;
    r.TextEditable = 1;
    r.OTVValueC = -9;
    r.Location = 4;
    r.HasLocation = 1;
    r.ManeuverMod = -1;
    r.ArmorMod = -2;
    r.FireControlMod = -3;
    r.SensorMod = -4;
    r.CommMod = -5;
    r.SpeedMod = -6;
    r.AddedActionsValue = 2;
    r.RatingIsPeople = true;
    r.AddedCrewValue = -1;
    r.OutsideOTV = true;
    r.OffersOutside = true;
    r.InsideOTV = true;
    r.OffersInside = true;
    r.OutsideLabel = "Outside";
    r.InsideLabel = "Can Punch";
    r.OTVFormula = 11;
    const std::vector<uint8_t> image = ImageOf(r);
    const uint8_t *p = image.data();

    EXPECT_EQ(TextAt(image, 0), "Ammo Storage");
    EXPECT_EQ(bytes::GetInt32(p + 33), 1);
    EXPECT_EQ(bytes::GetInt32(p + 37), 8);
    EXPECT_EQ(p[41], 1);
    EXPECT_EQ(TextAt(image, 42), "Effect |R|");
    EXPECT_EQ(TextAt(image, 293), "0.5 * Rating, per arc");
    EXPECT_EQ(p[544], 1);
    EXPECT_EQ(bytes::GetDouble(p + 545), 1.5);
    EXPECT_EQ(bytes::GetDouble(p + 553), 2.5);
    EXPECT_EQ(bytes::GetDouble(p + 561), 35.0);
    EXPECT_EQ(bytes::GetDouble(p + 569), 0.1);
    EXPECT_EQ(p[577], 1);
    EXPECT_EQ(p[578], 0);
    EXPECT_EQ(p[579], 0);
    EXPECT_EQ(p[580], 1);
    EXPECT_EQ(TextAt(image, 581), "Tons");
    EXPECT_EQ(TextAt(image, 614), "Xl");
    EXPECT_EQ(TextAt(image, 647), "Yl");
    EXPECT_EQ(TextAt(image, 680), "Zl");
    EXPECT_EQ(bytes::GetInt32(p + 713), 3);
    EXPECT_EQ(bytes::GetInt32(p + 717), -2);
    EXPECT_EQ(p[721], 1);
    EXPECT_EQ(p[722], 1);
    EXPECT_EQ(bytes::GetInt32(p + 723), 7);
    EXPECT_EQ(bytes::GetInt32(p + 727), 4);
    EXPECT_EQ(p[731], 1);
    EXPECT_EQ(bytes::GetDouble(p + 732), 5000.0);
    EXPECT_EQ(bytes::GetDouble(p + 740), 1.25);
    EXPECT_EQ(bytes::GetDouble(p + 748), 2.75);
    EXPECT_EQ(bytes::GetInt32(p + 756), 1);
    EXPECT_EQ(bytes::GetInt32(p + 760), -9);
    EXPECT_EQ(bytes::GetInt32(p + 764), 4);
    EXPECT_EQ(bytes::GetInt32(p + 768), 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(bytes::GetInt32(p + 772 + 4 * i), -1 - i) << "modifier " << i;
    EXPECT_EQ(bytes::GetInt32(p + 796), 2);
    EXPECT_EQ(p[800], 1);
    EXPECT_EQ(bytes::GetInt32(p + 801), -1);
    EXPECT_EQ(p[805], 1);
    EXPECT_EQ(p[806], 1);
    EXPECT_EQ(p[807], 1);
    EXPECT_EQ(p[808], 1);
    EXPECT_EQ(TextAt(image, 809), "Outside");
    EXPECT_EQ(TextAt(image, 842), "Can Punch");
    EXPECT_EQ(bytes::GetInt32(p + 875), 11);

    EXPECT_EQ(ReadPerkRecord(p), r);
}

TEST(PerkTemplates, SixFixedDefectsInOrder)
{
    const std::vector<PerkRecord> defects = DefectTemplates();
    ASSERT_EQ(defects.size(), 6u);
    const std::pair<const char *, int32_t> expected[] = {
        {"Structural Weakness", -5}, {"Electronic Glitch", -4}, {"Movement System Defect", -3},
        {"Annoyance Flaw", 2},       {"Minor Flaw", -2},        {"MajorFlaw", -1}};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(defects[i].PFDName, expected[i].first);
        EXPECT_EQ(defects[i].WorthFormula, expected[i].second);
        PerkRecord rest = defects[i];
        rest.PFDName.clear();
        rest.WorthFormula = 0;
        rest.EffectText.clear();
        EXPECT_EQ(rest, PerkRecord{}) << "everything else cleared in " << expected[i].first;
    }
    EXPECT_EQ(defects[3].EffectText, "Vehicle has one Annoyance Flaw");
    EXPECT_EQ(defects[0].EffectText, "");
}

TEST(PerkTemplates, CustomEntriesOfEachKind)
{
    const PerkRecord perk = CustomEntryTemplate(PerkKind::Perk);
    const PerkRecord flaw = CustomEntryTemplate(PerkKind::Flaw);
    const PerkRecord defect = CustomEntryTemplate(PerkKind::Defect);
    EXPECT_EQ(perk.PFDName, "Custom Perk");
    EXPECT_FALSE(perk.IsFlaw);
    EXPECT_EQ(flaw.PFDName, "Custom Flaw");
    EXPECT_TRUE(flaw.IsFlaw);
    EXPECT_EQ(defect.PFDName, "Custom Defect");
    EXPECT_TRUE(defect.IsFlaw);
    for (const PerkRecord &r : {perk, flaw, defect}) {
        EXPECT_EQ(r.EffectText, "Please Edit...");
        EXPECT_EQ(r.WorthFormula, 1);
        EXPECT_TRUE(r.HasAmount);
        EXPECT_EQ(r.OTVFormula, 6);
        EXPECT_EQ(r.Amount, 1);
        EXPECT_EQ(r.RatingLabel, "Rating");
    }
}

} // namespace aw
