#include "ui/pages/LibraryTooltip.h"

#include "base/NumberFormat.h"
#include "engine/DesignFields.h"
#include "engine/DesignResults.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/document/UndoChangeText.h"
#include "ui/document/UndoSnapshot.h"
#include "ui/pages/WeaponLibraries.h"
#include "ui/pages/WeaponLibraryTabs.h"
#include "weapons/AmmoTypes.h"
#include "weapons/WeaponList.h"
#include "weapons/WeaponTexts.h"

#include <QHelpEvent>
#include <QTableWidget>
#include <QToolTip>

#include <string_view>

namespace aw {

namespace {

// The record's fields as name and shown value, in record order.
struct FieldLister {
    QList<QPair<QString, QString>> &Fields;
    QString Prefix;

    void Add(const char *name, const QString &value) { Fields.append({Prefix + FieldWords(name), value}); }
    void operator()(const char *name, int32_t value)
    {
        // Codes a player knows by their names.
        const std::string_view field = name;
        if (field == "WeaponType")
            Add(name, cp1252::ToQt(WeaponTypeName(value)).toHtmlEscaped());
        else if (field == "Arc")
            Add(name, cp1252::ToQt(ArcCode(value)).toHtmlEscaped());
        else
            Add(name, QString::number(value));
    }
    void operator()(const char *name, double value) { Add(name, cp1252::ToQt(number::General(value))); }
    void operator()(const char *name, bool value) { Add(name, value ? QStringLiteral("Yes") : QStringLiteral("No")); }
    void operator()(const char *name, TextField<const std::string> text)
    {
        Add(name, cp1252::ToQt(text.Value).toHtmlEscaped());
    }
    void operator()(const char *name, const std::array<bool, kAmmoTypeCount> &flags)
    {
        QStringList allowed;
        for (int k = 0; k < kAmmoTypeCount; ++k) {
            if (flags[static_cast<size_t>(k)])
                allowed << QString::fromLatin1(AmmoTypeAt(k).Caption);
        }
        Add(name, allowed.isEmpty() ? QStringLiteral("none") : allowed.join(QStringLiteral(", ")));
    }
};

} // namespace

LibraryTooltip::LibraryTooltip(WeaponLibraryTabs &libraries, DesignSource design)
    : QObject(&libraries), m_libraries(libraries), m_design(std::move(design))
{
    for (int type = 0; type < kWeaponTypeCount; ++type)
        libraries.Grid(type)->viewport()->installEventFilter(this);
}

QString LibraryTooltip::Text(const WeaponRecord &record, const BaseVehicle &design)
{
    QList<QPair<QString, QString>> fields;
    ForEachWeaponField(record, FieldLister{fields, {}});
    ForEachAmmoSectionField(record.BaseAmmo, FieldLister{fields, QStringLiteral("Base Ammo ")});

    // The rules run on copies: the design on show is not touched.
    std::unique_ptr<Vehicle> without = CopyDesign(design);
    const double before = ComputeResults(*without).ThreatValue;
    std::unique_ptr<Vehicle> with = CopyDesign(design);
    with->Weapons->AddRecord(record);
    const double after = ComputeResults(*with).ThreatValue;
    const double added = after - before;

    QString text = QStringLiteral("<b>%1</b><table cellspacing=\"0\" cellpadding=\"1\">")
                       .arg(cp1252::ToQt(record.Name).toHtmlEscaped());
    // Two name/value pairs a line keep the long record readable.
    for (int i = 0; i < fields.size(); i += 2) {
        text += QStringLiteral("<tr><td>%1:</td><td><b>%2</b></td>").arg(fields[i].first, fields[i].second);
        if (i + 1 < fields.size())
            text += QStringLiteral("<td>&nbsp;&nbsp;%1:</td><td><b>%2</b></td>")
                        .arg(fields[i + 1].first, fields[i + 1].second);
        text += QStringLiteral("</tr>");
    }
    text += QStringLiteral("</table><p>Adds TV %1%2 to this design (TV %3 with it).</p>")
                .arg(added < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                     cp1252::ToQt(number::Grouped(std::abs(added), 1)), cp1252::ToQt(number::Grouped(after, 1)));
    return text;
}

bool LibraryTooltip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    auto *help = static_cast<QHelpEvent *>(event);
    const int type = m_libraries.currentIndex();
    if (type < 0 || type >= kWeaponTypeCount || watched != m_libraries.Grid(type)->viewport())
        return false;
    const int row = m_libraries.Grid(type)->rowAt(help->pos().y());
    const BaseWeaponList &library = CurrentWeaponLibraries().WeaponLibrary(type);
    if (row < 0 || row >= library.Count()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QWidget *viewport = m_libraries.Grid(type)->viewport();
    RunGuarded(viewport, [&] { QToolTip::showText(help->globalPos(), Text(library.Get(row), m_design()), viewport); });
    return true;
}

} // namespace aw
