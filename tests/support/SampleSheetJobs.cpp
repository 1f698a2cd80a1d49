#include "SampleSheetJobs.h"

#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"

namespace aw {

namespace sheettest {

std::string TextTemplate() { return ReadText(AW_SOURCE_DIR "/data/templates/Text.txt"); }

std::string HtmlTemplate() { return ReadText(AW_SOURCE_DIR "/data/templates/html.txt"); }

PrintMovementRow Movement(std::string name, int top, int combat, int stall, int maneuver, double topKph,
                          double combatKph, double stallKph)
{
    return {std::move(name), top, combat, stall, maneuver, topKph, combatKph, stallKph};
}

PrintWeaponRow Weapon(std::string name, std::string code, std::string arc, std::vector<int> ranges, int accuracy,
                      int damage, int quantity, std::string special, int ammo, std::string rof)
{
    PrintWeaponRow row;
    row.Name = std::move(name);
    row.Code = std::move(code);
    row.Arc = std::move(arc);
    row.ShortRange = ranges.at(0);
    row.MediumRange = ranges.at(1);
    row.LongRange = ranges.at(2);
    row.ExtremeRange = ranges.at(3);
    row.Accuracy = accuracy;
    row.Damage = damage;
    row.Quantity = quantity;
    row.Special = std::move(special);
    row.Ammo = ammo;
    row.ROF = std::move(rof);
    return row;
}

PrintWeaponRow AmmoRow(std::string special, int ammo)
{
    return Weapon("", "AMMO", "", {0, 0, 0, 0}, 0, 0, 0, std::move(special), ammo, "");
}

PrintJob FullSheetJob()
{
    PrintJob job;
    job.Name = "Rhino Mk II";
    job.Availability = 7;
    job.Armor = 12;
    job.Size = 5;
    job.Crew = 3;
    job.BonusActions = 2;
    job.Maneuver = -1;
    job.SensorRating = 2;
    job.CommRating = 0;
    job.FireControl = 1;
    job.DefaultSize = 4;
    job.Deployment = 300;
    job.IndivDice = 3;
    job.SensorRange = 2.5;
    job.CommRange = 10.0;
    job.TV = 1234.56;
    job.OTV = 2345.4;
    job.DTV = 987.5;
    job.MTV = 12.0;
    job.VehicleType = "Tank";
    job.VehicleUse = "Assualt";
    job.Manufacturer = "Acme Works";
    job.Height = "3.1";
    job.Length = "7.4";
    job.Width = "3.6";
    job.Weight = "42000";
    job.EngineType = "Diesel";
    job.EngineOutput = "1200 hp";
    job.ArmorMaterial = "Ceramic";
    job.ArmorThickness = "80 mm";
    job.Production = "Mass Produced";
    job.NumberOnField = "2d6";
    job.Affiliation = "Free Guard";
    job.Cost = "1,234,567.50 Cr";
    job.Movement.Add(Movement("Ground", 10, 5, 0, 0, 60, 30, 0));
    job.Movement.Add(Movement("Flight", 10, 5, 2, -1, 300, 150, 60));
    job.Movement.Add(Movement("Hover", 15, 7, 0, 0, 90, 45, 0));
    job.Movement.Add(Movement("Hydrofoil", 4, 2, 1, 0, 120, 60, 30));
    job.Weapons.Add(Weapon("Heavy Autocannon Battery Mk3", "HAC", "F", {3, 6, 12, 24}, -1, 18, 2, "L1 AP", 40, "+1"));
    job.Weapons.Add(AmmoRow("HEAT", 20));
    job.Weapons.Add(Weapon("", "CLIP", "", {0, 0, 0, 0}, 0, 0, 2, "", 0, ""));
    job.Weapons.Add(AmmoRow("AP", 40));
    job.Weapons.Add(Weapon("Very Light Machine Gun", "VLMG", "T", {1, 2, 4, 8}, 0, 2, 1, "AI", 100, "+3"));
    job.Weapons.Add(Weapon("Light Rifle", "LRF", "FF", {4, 8, 16, 32}, 1, 10, 1, "", 12, ""));
    job.Perks.Add({"Ablative Armor", "1", "+1 armor per arc, F arc", "", 0});
    job.Perks.Add({"Automation", "2", "Replaces 2 crew", "", 1});
    job.Perks.Add({"Sniper System", "", "+1 to long and Extreme rolls for HAC", "", 1});
    job.Flaws.Add({"Annoyance", "", "Loud engine", "", 0});
    job.Flaws.Add({"Man. Flaw", "-1", "Flight reduced in maneuver.", "", 0});
    job.Defects.Add({"Electronic Glitch", "", "-1 targeting", "", 0});
    job.General = "Designed for |NAME| crews.";
    job.History = "Line one\r\nLine two";
    job.Extra = "Extra notes";
    return job;
}

const PrintJob &EverythingJob()
{
    static const PrintJob job = [] {
        for (samples::SampleDesign &design : samples::SampleDesigns())
            if (design.Name == "everything")
                return MakePrintJob(*design.Design);
        return PrintJob();
    }();
    return job;
}

} // namespace sheettest

} // namespace aw
