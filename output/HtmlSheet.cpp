#include "output/HtmlSheet.h"

#include "output/PrintJob.h"
#include "output/SheetExpansion.h"

namespace aw {

std::string HtmlEscape(const std::string &text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

namespace {

void EscapeAll(std::initializer_list<std::string *> texts)
{
    for (std::string *text : texts)
        *text = HtmlEscape(*text);
}

} // namespace

PrintJob HtmlEscapedJob(const PrintJob &source)
{
    PrintJob job = source;
    EscapeAll({&job.Name, &job.VehicleType, &job.VehicleUse, &job.Manufacturer, &job.Height, &job.Length, &job.Width,
               &job.Weight, &job.EngineType, &job.EngineOutput, &job.ArmorMaterial, &job.ArmorThickness,
               &job.Production, &job.NumberOnField, &job.Affiliation, &job.Cost, &job.General, &job.History,
               &job.Extra});
    for (PrintMovementRow &row : job.Movement.Rows())
        EscapeAll({&row.Name});
    for (PrintWeaponRow &row : job.Weapons.Rows())
        EscapeAll({&row.Name, &row.Code, &row.Arc, &row.Special, &row.ROF});
    for (PrintPFDList *list : {&job.Perks, &job.Flaws, &job.Defects})
        for (PrintPFDRow &row : list->Rows())
            EscapeAll({&row.Name, &row.Rating, &row.Effect, &row.GameData});
    return job;
}

std::string HtmlSheetText(const std::string &templateText, const PrintJob &job, const SheetFormats &formats)
{
    return ExpandSheetText(templateText, HtmlEscapedJob(job), formats);
}

} // namespace aw
