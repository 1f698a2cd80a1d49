#include "tools/sheetgen/SheetForm.h"

#include "tools/sheetgen/SheetGeometry.h"

#include <QFont>
#include <QPainter>

namespace aw {

using namespace sheetgeo;

namespace {

constexpr int kGrid = 0xC8; // the picture frame's grid
constexpr int kRule = 0xA0; // ruled writing lines
constexpr int kFooter = 0x70;

// Inclusive pixel coordinates throughout: Outline(0, 0, 9, 9) is a ten-pixel square.
class Form {
public:
    explicit Form(QImage &image) : m_painter(&image)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    }

    void HLine(int x1, int x2, int y, int grey = 0) { Line(x1, y, x2, y, grey); }
    void VLine(int x, int y1, int y2, int grey = 0) { Line(x, y1, x, y2, grey); }

    void Outline(int x1, int y1, int x2, int y2, int grey = 0)
    {
        HLine(x1, x2, y1, grey);
        HLine(x1, x2, y2, grey);
        VLine(x1, y1, y2, grey);
        VLine(x2, y1, y2, grey);
    }

    // A two-pixel frame whose inner edge is (x1 + 1, y1 + 1) .. (x2 - 1, y2 - 1).
    void Panel(int x1, int y1, int x2, int y2)
    {
        Outline(x1, y1, x2, y2);
        Outline(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
    }

    // A one-pixel ring just outside an item's box, so a value drawn in the box never
    // touches it and a filled armour box keeps its frame.
    void Ring(const SheetLayoutBox &box) { Outline(box.Left - 1, box.Top - 1, box.Right(), box.Bottom()); }

    void Fill(int x1, int y1, int x2, int y2, int grey)
    {
        m_painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), QColor(grey, grey, grey));
    }

    // A black title band with white capitals.
    void Band(int x1, int y1, int x2, int y2, const char *text, int textLeft = -1)
    {
        Fill(x1, y1, x2, y2, 0);
        const int left = textLeft < 0 ? x1 + 6 : textLeft;
        Text(QRect(QPoint(left, y1), QPoint(x2, y2)), text, Qt::AlignLeft, 13, true, 0xFF);
    }

    void Text(const QRect &rect, const char *text, Qt::Alignment align, int pixels, bool bold, int grey = 0)
    {
        QFont font("Arial");
        font.setPixelSize(pixels);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.setPen(QColor(grey, grey, grey));
        m_painter.drawText(rect, static_cast<int>(align | Qt::AlignVCenter), QString::fromLatin1(text));
    }

    // A caption right-aligned against a value box, on the box's row.
    void CaptionFor(const SheetLayoutBox &box, int left, const char *text)
    {
        Text(QRect(left, box.Top, box.Left - 6 - left, box.Height), text, Qt::AlignRight, 11, true);
    }

    void CheckBox(int x, int y, int size = 11) { Outline(x, y, x + size - 1, y + size - 1); }

    // count check boxes in a row, vertically centred on a row of the given top and height.
    void CheckBoxes(int x, int top, int height, int count, int step = 16)
    {
        const int y = top + (height - 11) / 2;
        for (int i = 0; i < count; ++i)
            CheckBox(x + i * step, y);
    }

private:
    void Line(int x1, int y1, int x2, int y2, int grey)
    {
        m_painter.setPen(QPen(QColor(grey, grey, grey), 1));
        m_painter.drawLine(x1, y1, x2, y2);
    }

    QPainter m_painter;
};

void DrawTitle(Form &f)
{
    f.Panel(10, 10, 1189, 67);
    f.VLine(630, 12, 65);
    f.HLine(20, 620, 59, kRule);
    f.Text(QRect(640, 14, 540, 50), "VEHICLE RECORD SHEET", Qt::AlignRight, 26, true);
}

void DrawPictureFrame(Form &f)
{
    const SheetLayoutBox &p = kPictureFrame;
    for (int x = p.Left + 9; x < p.Right(); x += 10)
        f.VLine(x, p.Top, p.Bottom() - 1, kGrid);
    for (int y = p.Top + 9; y < p.Bottom(); y += 10)
        f.HLine(p.Left, p.Right() - 1, y, kGrid);
    f.Panel(p.Left - 2, p.Top - 2, p.Right() + 1, p.Bottom() + 1);
}

void DrawArmourColumn(Form &f)
{
    f.Panel(542, 70, 676, 566);
    f.Text(QRect(544, 74, 131, 22), "ARMOR", Qt::AlignHCenter, 16, true);
    f.Text(QRect(544, 98, 131, 14), "ONE BOX PER POINT", Qt::AlignHCenter, 9, false);
    static const char *const heads[] = {"10", "20", "30", "40", "50"};
    for (int group = 0; group < 5; ++group) {
        const int firstTop = kArmourRows[static_cast<size_t>(group * 2)].Start;
        f.Band(kArmourColumns.front().Start - 4, firstTop - 19, kArmourColumns.back().End() + 3, firstTop - 4, "");
        f.Text(QRect(544, firstTop - 19, 131, 16), heads[group], Qt::AlignHCenter, 13, true, 0xFF);
    }
    for (const Span &row : kArmourRows)
        for (const Span &column : kArmourColumns)
            f.Ring({row.Start, column.Start, row.Size, column.Size});
}

void DrawCrewInformation(Form &f)
{
    f.Panel(682, 70, 1189, 236);
    f.Band(684, 72, 1187, 89, "CREW INFORMATION");
    static const char *const lines[] = {"PILOT NAME", "RANK", "SQUADRON", "AFFILIATION"};
    for (int i = 0; i < 4; ++i) {
        const int top = 94 + i * 24;
        f.Text(QRect(690, top, 100, 20), lines[i], Qt::AlignLeft, 11, true);
        f.HLine(795, 1180, top + 18);
    }
    static const char *const skills[] = {"PILOTING", "GUNNERY", "ELECTRONICS", "LEADERSHIP"};
    for (int i = 0; i < 4; ++i) {
        const int left = 690 + i * 124;
        f.Text(QRect(left, 196, 84, 30), skills[i], Qt::AlignLeft, 10, true);
        f.Outline(left + 84, 197, left + 114, 226);
    }
}

void DrawCrewData(Form &f)
{
    f.Panel(682, 240, 1189, 346);
    f.Band(684, 242, 1187, 259, "CREW DATA");
    f.Text(QRect(930, 242, 250, 18), "CREW DAMAGE", Qt::AlignLeft, 13, true, 0xFF);
    f.VLine(921, 260, 344);
    const SheetLayoutBox crew = BoxOf("|CREW|");
    const SheetLayoutBox actions = BoxOf("|BONUSACTIONS|");
    f.CaptionFor(crew, 690, "CREW");
    f.CaptionFor(actions, 690, "BONUS ACTIONS");
    f.Ring(crew);
    f.Ring(actions);
    f.Text(QRect(930, crew.Top, 90, crew.Height), "CASUALTIES", Qt::AlignLeft, 10, true);
    f.CheckBoxes(1026, crew.Top, crew.Height, 10);
    f.Text(QRect(930, actions.Top, 90, actions.Height), "ACTIONS LOST", Qt::AlignLeft, 10, true);
    f.CheckBoxes(1026, actions.Top, actions.Height, 10);
    f.HLine(684, 1187, 306);
    static const char *const states[] = {"STUNNED", "SHAKEN", "BAILED OUT", "DOWN"};
    for (int i = 0; i < 4; ++i) {
        const int left = 694 + i * 124;
        f.CheckBox(left, 320);
        f.Text(QRect(left + 16, 314, 100, 22), states[i], Qt::AlignLeft, 10, true);
    }
}

// A row of the systems panel: the caption, the value box and the matching damage boxes.
void SystemRow(Form &f, const char *valueText, const char *caption, int damageBoxes)
{
    const SheetLayoutBox box = BoxOf(valueText);
    if (caption)
        f.CaptionFor(box, 690, caption);
    f.Ring(box);
    f.CheckBoxes(934, box.Top, box.Height, damageBoxes);
}

void DrawSystems(Form &f)
{
    f.Panel(682, 352, 1189, 714);
    f.Band(684, 354, 1187, 371, "SYSTEMS");
    f.Text(QRect(930, 354, 250, 18), "SYSTEM DAMAGE", Qt::AlignLeft, 13, true, 0xFF);
    f.VLine(921, 372, 712);

    f.Text(QRect(690, 374, 180, 18), "MOVEMENT", Qt::AlignLeft, 11, true);
    f.Text(QRect(880, 374, 36, 18), "MP", Qt::AlignHCenter, 11, true);
    static const char *const moves[] = {"|MOVNAME1| COMBAT", "|MOVNAME1| TOP", "|MOVNAME2| COMBAT", "|MOVNAME2| TOP"};
    static const char *const numbers[] = {"1", "1", "2", "2"};
    for (int i = 0; i < 4; ++i) {
        const SheetLayoutBox name = BoxOf(moves[i]);
        f.Text(QRect(690, name.Top, 18, name.Height), numbers[i], Qt::AlignHCenter, 11, true);
        f.HLine(688, name.Right(), name.Bottom(), kRule);
    }
    SystemRow(f, "|MOVCOMBATMP1|", nullptr, 10);
    SystemRow(f, "|MOVTOPMP1|", nullptr, 10);
    SystemRow(f, "|MOVCOMBATMP2|", nullptr, 10);
    SystemRow(f, "|MOVTOPMP2|", nullptr, 10);
    SystemRow(f, "|MAN|", "MANEUVER", 10);
    SystemRow(f, "|DEPLOYMENT|", "DEPLOYMENT RANGE (KM)", 10);

    f.Text(QRect(690, 532, 180, 18), "ELECTRONICS", Qt::AlignLeft, 11, true);
    f.Text(QRect(870, 532, 54, 18), "RTG  KM", Qt::AlignHCenter, 9, true);
    const SheetLayoutBox sensorRange = BoxOf("|SENSRANGE|");
    const SheetLayoutBox commRange = BoxOf("|COMMRANGE|");
    SystemRow(f, "|SENSRATING|", "SENSORS", 10);
    f.Ring(sensorRange);
    SystemRow(f, "|COMMRATING|", "COMMUNICATIONS", 10);
    f.Ring(commRange);
    SystemRow(f, "|FICON|", "FIRE CONTROL", 10);

    f.Text(QRect(690, 634, 180, 18), "DAMAGE", Qt::AlignLeft, 11, true);
    SystemRow(f, "|ARMOR|", "LIGHT DAMAGE", 1);
    SystemRow(f, "|ARMOR*2|", "HEAVY DAMAGE", 1);
    SystemRow(f, "|ARMOR*3|", "OVERKILL", 1);
}

void DrawNotes(Form &f)
{
    f.Panel(12, 570, 676, 650);
    f.Band(14, 572, 674, 589, "NOTES");
    for (int y = 609; y < 648; y += 19)
        f.HLine(20, 668, y, kRule);
}

void DrawGeneralSpecifications(Form &f)
{
    f.Panel(12, 654, 676, 714);
    f.Band(14, 656, 674, 673, "GENERAL SPECIFICATIONS");
    const SheetLayoutBox tv = BoxOf("|TV|");
    const SheetLayoutBox size = BoxOf("|SIZE|");
    const SheetLayoutBox cost = BoxOf("|COST|");
    f.CaptionFor(tv, 18, "THREAT VALUE");
    f.CaptionFor(size, tv.Right() + 4, "SIZE");
    f.CaptionFor(cost, size.Right() + 4, "COST");
    f.Ring(tv);
    f.Ring(size);
    f.Ring(cost);
}

// Horizontal lines above every row and below the last; the last one is the panel's inner edge.
template <size_t Rows> void RowLines(Form &f, const std::array<Span, Rows> &rows, int x1, int x2)
{
    for (const Span &row : rows)
        f.HLine(x1, x2, row.Start - 1);
}

void DrawWeapons(Form &f)
{
    const int top = 720, headTop = 741, split = 762, bottom = kWeaponRows.back().End() + 1;
    f.Panel(12, top, 1189, bottom);
    f.Band(14, top + 2, 1187, top + 19, "WEAPONS");
    RowLines(f, kWeaponRows, 14, 1187);
    const int last = bottom - 2;
    // Column edges: each lies in the one-pixel gap between two label boxes.
    static const int fullHeight[] = {245, 292, 367, 478, 516, 553, 590, 794, 890};
    for (const int x : fullHeight)
        f.VLine(x, headTop, last);
    static const int lowerHalf[] = {395, 422, 450, 842, 989, 1088};
    for (const int x : lowerHalf)
        f.VLine(x, split, last);
    f.HLine(367, 478, split);
    f.HLine(794, 1187, split);

    // The header's two levels, each a top and a height.
    const Span whole{headTop, kWeaponRows.front().Start - 1 - headTop};
    const Span lower{split, kWeaponRows.front().Start - 1 - split};
    const Span upper{headTop, split - headTop};
    const auto head = [&](const Span &level, int x1, int x2, const char *text, Qt::Alignment align = Qt::AlignHCenter) {
        f.Text(QRect(x1 + 3, level.Start, x2 - x1 - 5, level.Size), text, align, 11, true);
    };
    head(whole, 14, 245, "WEAPON", Qt::AlignLeft);
    head(whole, 245, 292, "CODE");
    head(whole, 292, 367, "ARC");
    head(upper, 367, 478, "RANGE");
    head(lower, 367, 395, "S");
    head(lower, 395, 422, "M");
    head(lower, 422, 450, "L");
    head(lower, 450, 478, "EX");
    head(whole, 478, 516, "ACC");
    head(whole, 516, 553, "DMG");
    head(whole, 553, 590, "QTY");
    head(whole, 590, 794, "SPECIAL");
    head(upper, 794, 890, "AMMO");
    head(lower, 794, 842, "FULL");
    head(lower, 842, 890, "LEFT");
    head(upper, 890, 1187, "WEAPON DAMAGE");
    head(lower, 890, 989, "LIGHT");
    head(lower, 989, 1088, "HEAVY");
    head(lower, 1088, 1187, "DESTROYED");
    for (const Span &row : kWeaponRows)
        for (const int x : {934, 1033, 1132})
            f.CheckBoxes(x, row.Start, row.Size, 1);
}

// A perk, flaw or defect table: name, rating and game effect columns, then extra columns.
template <size_t Rows>
void DrawTraitTable(Form &f, int top, int right, const char *title, const std::array<Span, Rows> &rows)
{
    const int bottom = rows.back().End() + 1;
    f.Panel(12, top, right, bottom);
    f.Band(14, top + 2, right - 2, top + 19, title);
    RowLines(f, rows, 14, right - 2);
    const int headTop = top + 21, headBottom = rows.front().Start - 1;
    for (const int x : {273, 340})
        f.VLine(x, headTop, bottom - 2);
    f.Text(QRect(19, headTop, 250, headBottom - headTop), "NAME", Qt::AlignLeft, 11, true);
    f.Text(QRect(274, headTop, 65, headBottom - headTop), "RATING", Qt::AlignHCenter, 11, true);
    f.Text(QRect(345, headTop, 300, headBottom - headTop), "GAME EFFECTS", Qt::AlignLeft, 11, true);
}

void DrawPerks(Form &f)
{
    const int top = 980;
    DrawTraitTable(f, top, 1189, "PERKS", kPerkRows);
    const int headTop = top + 21, last = kPerkRows.back().End() - 1;
    f.VLine(879, headTop, last);
    f.VLine(926, headTop, last);
    const int headHeight = kPerkRows.front().Start - 1 - headTop;
    f.Text(QRect(880, headTop, 46, headHeight), "AUX", Qt::AlignHCenter, 11, true);
    f.Text(QRect(932, headTop, 250, headHeight), "PERK DAMAGE", Qt::AlignLeft, 11, true);
    for (const Span &row : kPerkRows)
        f.CheckBoxes(934, row.Start, row.Size, 1);
}

void DrawFieldNotes(Form &f)
{
    const int top = 1250, bottom = kDefectRows.back().End() + 1;
    f.Panel(934, top, 1189, bottom);
    f.Band(936, top + 2, 1187, top + 19, "FIELD NOTES");
    for (int y = top + 40; y < bottom - 6; y += 20)
        f.HLine(942, 1181, y, kRule);
}

} // namespace

QImage DrawSheetForm()
{
    QImage image(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Form f(image);
        DrawTitle(f);
        DrawPictureFrame(f);
        DrawArmourColumn(f);
        DrawCrewInformation(f);
        DrawCrewData(f);
        DrawSystems(f);
        DrawNotes(f);
        DrawGeneralSpecifications(f);
        DrawWeapons(f);
        DrawPerks(f);
        DrawTraitTable(f, 1250, 928, "FLAWS", kFlawRows);
        DrawTraitTable(f, 1405, 928, "DEFECTS", kDefectRows);
        DrawFieldNotes(f);
        f.Text(QRect(12, 1530, 1177, 20), "ARMORWRIGHT RECORD SHEET", Qt::AlignHCenter, 10, true, kFooter);
    }
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace aw
