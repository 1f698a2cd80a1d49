// The library filter boxes of the Weapons and the Perks, Flaws, and Defects pages, and the
// tooltip of a weapon library row.
#include "support/EditorFixture.h"
#include "support/PerkTestLibraries.h"

#include "base/Stream.h"
#include "engine/DesignFile.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "ui/MainWindow.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/LibraryFilter.h"
#include "ui/pages/LibraryTooltip.h"
#include "ui/pages/WeaponLibraries.h"
#include "ui/pages/WeaponsPage.h"
#include "weapons/WeaponList.h"
#include "weapons/WeaponTexts.h"

#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace aw {

namespace {

WeaponRecord SampleWeapon(const char *name, const char *code, int32_t rating, int type)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.Code = code;
    r.Rating = rating;
    r.Damage = 3;
    r.WeaponType = type;
    return r;
}

// Saves a picture of a widget when AW_SCREENSHOT_DIR names a folder (to look at the result).
void Screenshot(const QPixmap &picture, const char *name)
{
    const QString folder = qEnvironmentVariable("AW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

} // namespace

class FilterTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryWeaponLibraries> m_weapons;
    std::unique_ptr<PerkTestLibraries> m_perks;
    EditorFixture m_editor;

    MainWindow &window() { return *m_editor.Window; }
    template <typename T> T *find(QWidget *in, const char *name)
    {
        T *control = in->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QWidget *weaponsPage() { return window().PageControl()->widget(1); }
    QWidget *perksPage() { return window().PageControl()->widget(2); }
    QLineEdit *filterOf(QWidget *page) { return find<QLineEdit>(page, "eLibraryFilter"); }
    QTableWidget *library(int type)
    {
        return find<QTableWidget>(weaponsPage(), qPrintable(QStringLiteral("sg%1").arg(type)));
    }

    // The codes of the rows a weapon grid shows, top to bottom.
    QStringList shownCodes(QTableWidget *grid)
    {
        QStringList codes;
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (!grid->isRowHidden(row) && grid->item(row, 0))
                codes << grid->item(row, 0)->text();
        }
        return codes;
    }
    QStringList shownItems(QListWidget *list)
    {
        QStringList items;
        for (int row = 0; row < list->count(); ++row) {
            if (!list->isRowHidden(row))
                items << list->item(row)->text();
        }
        return items;
    }
    void type(QLineEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }

private slots:
    void init()
    {
        m_weapons = std::make_unique<MemoryWeaponLibraries>();
        WeaponRecord guided = SampleWeapon("Light Cannon", "LC", 10, 0);
        guided.Guided = true;
        m_weapons->WeaponLibrary(0).Add(guided);
        m_weapons->WeaponLibrary(0).Add(SampleWeapon("Heavy Cannon", "HC", 30, 0));
        m_weapons->WeaponLibrary(0).Add(SampleWeapon("Gatling", "GT", 20, 0));
        m_weapons->WeaponLibrary(1).Add(SampleWeapon("Field Gun", "FG", 15, 1));
        m_weapons->WeaponLibrary(1).Add(SampleWeapon("Mortar", "MT", 12, 1));
        SetWeaponLibraries(m_weapons.get());
        m_perks = std::make_unique<PerkTestLibraries>();
        QVERIFY(m_editor.Start());
    }

    void cleanup()
    {
        m_editor.Stop();
        m_perks.reset();
        SetWeaponLibraries(nullptr);
        m_weapons.reset();
    }

    void weaponTabsNarrowByCodeNameAndSpecialCodes()
    {
        window().PageControl()->setCurrentIndex(1);
        QCOMPARE(shownCodes(library(0)), (QStringList{"LC", "HC", "GT"}));
        QLineEdit *filter = filterOf(weaponsPage());
        type(filter, QStringLiteral("cannon"));
        QCOMPARE(shownCodes(library(0)), (QStringList{"LC", "HC"}));
        Screenshot(window().grab(), "filtered-library.png");
        type(filter, QStringLiteral("gt"));
        QCOMPARE(shownCodes(library(0)), QStringList{"GT"});
        // Turkish dotted and dotless i find the plain letters the names hold.
        for (const QString &turkish : {QStringLiteral("L\u0130GHT"), QStringLiteral("l\u0131ght")}) {
            filter->setText(turkish);
            QCOMPARE(shownCodes(library(0)), QStringList{"LC"});
        }
        type(filter, QStringLiteral("GUID")); // the special codes column
        QCOMPARE(shownCodes(library(0)), QStringList{"LC"});

        // The text holds for the other tabs as well.
        type(filter, QStringLiteral("g"));
        auto *tabs = find<QTabWidget>(weaponsPage(), "weaponLibraryTabs");
        tabs->setCurrentIndex(1);
        QCOMPARE(filter->text(), QStringLiteral("g"));
        QCOMPARE(shownCodes(library(1)), QStringList{"FG"});
        tabs->setCurrentIndex(0);
        QCOMPARE(shownCodes(library(0)), (QStringList{"LC", "GT"}));

        // Sorting refills the grid: the filter applies to the new order.
        emit library(0)->horizontalHeader()->sectionClicked(2); // Rating, descending first
        QCOMPARE(shownCodes(library(0)), (QStringList{"GT", "LC"}));
        type(filter, QString());
        QCOMPARE(shownCodes(library(0)), (QStringList{"HC", "GT", "LC"}));
    }

    void onlyAShownWeaponCanBeMounted()
    {
        window().PageControl()->setCurrentIndex(1);
        library(0)->setCurrentCell(0, 0); // LC
        QLineEdit *filter = filterOf(weaponsPage());
        type(filter, QStringLiteral("heavy"));
        QCOMPARE(library(0)->currentRow(), 1); // moved off the hidden row
        QTest::mouseClick(find<QPushButton>(weaponsPage(), "addWeaponButton"), Qt::LeftButton);
        QCOMPARE(window().Document().Design().Weapons->Count(), 1);
        QCOMPARE(window().Document().Design().Weapons->Get(0).Data.Code, std::string("HC"));

        type(filter, QStringLiteral("nothing like it"));
        QVERIFY(shownCodes(library(0)).isEmpty());
        QTest::mouseClick(find<QPushButton>(weaponsPage(), "addWeaponButton"), Qt::LeftButton);
        QCOMPARE(window().Document().Design().Weapons->Count(), 1);

        // Shown again, the first row is selected as in a freshly filled library.
        type(filter, QString());
        QCOMPARE(library(0)->currentRow(), 0);
    }

    void perkFlawAndDefectListsShareOneFilter()
    {
        window().PageControl()->setCurrentIndex(2);
        auto *perks = find<QListWidget>(perksPage(), "lbPerks");
        auto *flaws = find<QListWidget>(perksPage(), "lbFlaws");
        QLineEdit *filter = filterOf(perksPage());
        type(filter, QStringLiteral("ARM"));
        QCOMPARE(shownItems(perks), (QStringList{"Ablative Armor", "Battle Arm"}));
        QCOMPARE(shownItems(flaws), QStringList{"Brittle Armor"});
        QCOMPARE(flaws->currentRow(), 2);

        // Showing the page again refills the lists under the same filter.
        window().PageControl()->setCurrentIndex(0);
        window().PageControl()->setCurrentIndex(2);
        QCOMPARE(shownItems(perks), (QStringList{"Ablative Armor", "Battle Arm"}));

        type(filter, QStringLiteral("seat"));
        QCOMPARE(perks->currentRow(), 2);
        QTest::mouseClick(find<QPushButton>(perksPage(), "addPerkButton"), Qt::LeftButton);
        const PerkList &added = *window().Document().Design().Perks;
        QCOMPARE(added.Count(), 1);
        QCOMPARE(added.Get(0).PFDName, std::string("Passenger Seating"));
    }

    void tooltipShowsTheRecordAndWhatItWouldAdd()
    {
        window().PageControl()->setCurrentIndex(1);
        Vehicle &design = window().Document().Design();
        design.Weapons->AddRecord(SampleWeapon("Gatling", "GT", 20, 0));
        Stream before;
        SaveToStream(design, before);

        const WeaponRecord heavy = m_weapons->WeaponLibrary(0).Get(1);
        const QString text = LibraryTooltip::Text(heavy, design);
        QVERIFY(text.contains(QStringLiteral("<b>Heavy Cannon</b>")));
        QVERIFY(text.contains(QStringLiteral("Rating:</td><td><b>30</b>")));
        QVERIFY(text.contains(QStringLiteral("Guided:</td><td><b>No</b>")));
        QVERIFY(text.contains(QStringLiteral("Base Ammo Amount:")));
        // Codes read as a player knows them, not as stored numbers.
        QVERIFY(text.contains(QStringLiteral("Weapon Type:</td><td><b>Cannons</b>")));
        QVERIFY(
            text.contains(QStringLiteral("Arc:</td><td><b>%1</b>").arg(QString::fromStdString(ArcCode(heavy.Arc)))));
        WeaponRecord frag = heavy;
        frag.BaseAmmo.Selected[4] = true;
        QVERIFY(LibraryTooltip::Text(frag, design).contains(QStringLiteral("Base Ammo Selected:</td><td><b>Frag</b>")));
        Stream after;
        SaveToStream(design, after);
        QVERIFY(after.Bytes() == before.Bytes()); // worked out on a copy

        // What it promises is what mounting it gives.
        window().ShowResults();
        const double tvBefore = find<QLabel>(&window(), "lblTV")->text().toDouble();
        library(0)->setCurrentCell(1, 0);
        QTest::mouseClick(find<QPushButton>(weaponsPage(), "addWeaponButton"), Qt::LeftButton);
        const QString shownTv = find<QLabel>(&window(), "lblTV")->text();
        QVERIFY2(text.contains(QStringLiteral("(TV %1 with it)").arg(shownTv)), qPrintable(text));
        const QString addedText = QString::number(shownTv.toDouble() - tvBefore, 'f', 1);
        QVERIFY2(text.contains(QStringLiteral("Adds TV +%1 ").arg(addedText)), qPrintable(text));
        QVERIFY(shownTv.toDouble() > tvBefore);
    }

    void hoveringARowShowsItsTooltip()
    {
        window().PageControl()->setCurrentIndex(1);
        QTableWidget *grid = library(0);
        const QRect cell = grid->visualItemRect(grid->item(2, 1));
        QHelpEvent help(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(grid->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral("<b>Gatling</b>")));
        QToolTip::hideText();
    }
};

} // namespace aw

QTEST_MAIN(aw::FilterTest)
#include "tst_filter.moc"
