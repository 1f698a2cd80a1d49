// The Weapons page: the weapon grid's rows, its buttons and cell edits, weapon links,
// the library tabs with sorting and the custom weapons.
#include "support/EditorDriver.h"
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"

#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "base/Files.h"
#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"
#include "ui/Editer.h"
#include "ui/dialogs/FrmModify.h"
#include "ui/dialogs/FrmWepEdit.h"
#include "ui/widgets/SpinButton.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/WeaponLibraries.h"
#include "ui/pages/WeaponsPage.h"
#include "weapons/WeaponList.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// A cannon with a rate of fire, ten rounds of base ammunition and Anti-Laser allowed.
TWeaponRecord Cannon(const char *code, int32_t rating)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = std::string("Cannon ") + code;
    r.Code = code;
    r.Rating = rating;
    r.BaseRange = 2;
    r.Damage = 5;
    r.ROF = 2;
    r.MinSize = 3;
    r.AmmoBaseCost = 1.0;
    r.BaseAmmo.Amount = 10;
    r.BaseAmmo.Allowed[0] = true;
    return r;
}

// A perk that adds to the offensive value.
TPerkRecord OffensivePerk()
{
    TPerkRecord perk;
    perk.PFDName = "Gunnery Computer";
    perk.InsideOTV = true;
    perk.Amount = 1;
    return perk;
}

} // namespace

class WeaponsPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TMemoryProgramData> m_data;
    std::unique_ptr<TScriptedDialogs> m_dialogs;
    std::unique_ptr<TMemoryWeaponLibraries> m_libraries;
    std::unique_ptr<TfrmEditer> m_window;

    TVehicle &vehicle() { return m_window->Document().Vehicle(); }
    TWeaponList &weapons() { return *vehicle().Weapons; }
    TWeaponsPage *page() { return m_window->findChild<TWeaponsPage *>(); }
    QTabWidget *libraryTabs() { return page()->findChild<QTabWidget *>(QStringLiteral("PageControl2")); }
    QTableWidget *grid() { return page()->findChild<QTableWidget *>(QStringLiteral("sgW")); }
    QTableWidget *library(int type) { return page()->findChild<QTableWidget *>(QStringLiteral("sg%1").arg(type)); }
    QAbstractButton *button(const char *name) { return page()->findChild<QAbstractButton *>(QString::fromLatin1(name)); }
    TSpinButton *moveButtons() { return page()->findChild<TSpinButton *>(QStringLiteral("sbMove")); }
    QString label(const char *name) { return m_window->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QString cell(int row, int column) { return grid()->item(row, column) ? grid()->item(row, column)->text() : QString(); }

    QStringList column(int c)
    {
        QStringList cells;
        for (int row = 0; row < grid()->rowCount(); ++row)
            cells << cell(row, c);
        return cells;
    }

    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The user puts the cursor on a cell with the keyboard (as a selection of that cell).
    void select(int row, int c) { grid()->setCurrentCell(row, c); }

    void clickCell(int row, int c)
    {
        QTableWidget *g = grid();
        const QRect rect = g->visualItemRect(g->item(row, c));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Types text into a cell and presses Return, as a user does.
    void typeInCell(int row, int c, const QString &text)
    {
        QTableWidget *g = grid();
        g->setFocus();
        select(row, c);
        QTest::keyClick(g, Qt::Key_F2);
        QPointer<QLineEdit> editor = g->viewport()->findChild<QLineEdit *>();
        QVERIFY2(editor, "the cell opens no editor");
        editor->selectAll();
        driver::KeyIn(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits and closes its editor from the event loop (and then deletes it).
        QTRY_VERIFY(!editor || !editor->isVisible());
    }

    // Mounts library entry row of the Cannons tab with the "Add" button.
    void addFromLibrary(int row)
    {
        libraryTabs()->setCurrentIndex(0);
        library(0)->setCurrentCell(row, 0);
        click("bAdd");
    }

    bool weaponButtonsEnabled()
    {
        bool all = true;
        bool none = true;
        for (const char *name : {"bWLadd", "bWLdelete", "bAddCLip", "bAddAmmo", "bMod", "bDel", "bClear"}) {
            all = all && button(name)->isEnabled();
            none = none && !button(name)->isEnabled();
        }
        const bool move = moveButtons()->isEnabled();
        all = all && move && grid()->isEnabled();
        none = none && !move && !grid()->isEnabled();
        if (all == none)
            qWarning("the weapon buttons are partly enabled");
        return all;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TMemoryProgramData>();
        m_dialogs = std::make_unique<TScriptedDialogs>();
        m_libraries = std::make_unique<TMemoryWeaponLibraries>();
        m_libraries->WeaponLibrary(0).Add(Cannon("LC", 100));
        m_libraries->WeaponLibrary(0).Add(Cannon("HC", 300));
        m_libraries->WeaponLibrary(0).Add(Cannon("MC", 200));
        SetWeaponLibraries(m_libraries.get());
        m_window = std::make_unique<TfrmEditer>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->PageControl()->setCurrentIndex(1);
        QVERIFY(page());
    }

    void cleanup()
    {
        vehicle().Modified = false; // close without a question
        m_window.reset();
        SetWeaponLibraries(nullptr);
        m_libraries.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    void buttonsFollowTheGridContents()
    {
        QVERIFY(!weaponButtonsEnabled());
        QCOMPARE(grid()->rowCount(), 1);

        addFromLibrary(0);
        QVERIFY(weaponButtonsEnabled());
        QVERIFY(vehicle().Modified);
        QCOMPARE(weapons().Count(), 1);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("LC"));

        vehicle().Modified = false;
        click("bDel");
        QCOMPARE(weapons().Count(), 0);
        QVERIFY(vehicle().Modified);
        QVERIFY(!weaponButtonsEnabled());
        QCOMPARE(cell(0, 3), QString());

        // An offensive perk keeps the grid in use without weapons; commands on it do nothing.
        vehicle().Perks->Add(OffensivePerk());
        page()->ShowVehicleWeapons();
        QVERIFY(weaponButtonsEnabled());
        QCOMPARE(column(0), QStringList{"P"});
        QCOMPARE(cell(0, 4), QStringLiteral("PERK"));
        QCOMPARE(cell(0, 3), QStringLiteral("Gunnery Computer"));
        select(0, 2);
        vehicle().Modified = false;
        click("bDel");
        click("bAddCLip");
        click("bAddAmmo");
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(vehicle().Perks->Count(), 1);
        QVERIFY(!vehicle().Modified);
    }

    void addingSelectsTheNewRow()
    {
        addFromLibrary(1);
        addFromLibrary(0);
        QCOMPARE(grid()->currentRow(), 1);
        QCOMPARE(grid()->currentColumn(), 2);
        QCOMPARE(cell(1, 4), QStringLiteral("LC"));

        select(0, 3);
        click("bAddCLip");
        QCOMPARE(column(0), (QStringList{"W", "C", "W"}));
        QCOMPARE(grid()->currentRow(), 1);
        QCOMPARE(grid()->currentColumn(), 9);

        click("bAddAmmo"); // on the C row: into clip 1
        QCOMPARE(column(0), (QStringList{"W", "C", "A", "W"}));
        QCOMPARE(grid()->currentRow(), 2);
        QCOMPARE(grid()->currentColumn(), 9);
        QCOMPARE(weapons().Get(0).Clips.Get(1).SectionCount(), 1);
        QCOMPARE(weapons().Get(0).Clips.Get(0).SectionCount(), 0);
        // The new section is a copy of the weapon's base ammunition.
        QCOMPARE(weapons().Get(0).Clips.Get(1).GetSection(0).Amount, 10);

        select(0, 2);
        click("bAddAmmo"); // on the W row: into clip 0, listed right below the weapon
        QCOMPARE(column(0), (QStringList{"W", "A", "C", "A", "W"}));
        QCOMPARE(weapons().Get(0).Clips.Get(0).SectionCount(), 1);
        QCOMPARE(grid()->currentRow(), 1);

        click("bAddAmmo"); // on the clip-0 section row: clip 0 again
        QCOMPARE(weapons().Get(0).Clips.Get(0).SectionCount(), 2);
        QCOMPARE(weapons().Get(0).Clips.Get(1).SectionCount(), 1);
        QCOMPARE(grid()->currentRow(), 2);

        QCOMPARE(column(0), (QStringList{"W", "A", "A", "C", "A", "W"}));
        select(4, 9);
        click("bAddAmmo"); // on a section of clip 1: clip 1
        QCOMPARE(weapons().Get(0).Clips.Get(1).SectionCount(), 2);
        QCOMPARE(grid()->currentRow(), 5);
        select(5, 9);
        click("bAddCLip"); // from a section row: a clip for its weapon
        QCOMPARE(weapons().Get(0).Clips.Count(), 3);
        QCOMPARE(column(0), (QStringList{"W", "A", "A", "C", "A", "A", "C", "W"}));
        QCOMPARE(grid()->currentRow(), 6);
    }

    void resultsFollowEveryCommand()
    {
        QString tv = label("lblTV");
        const QString emptyOTV = label("lblOTV");
        const auto changed = [this, &tv] {
            const QString now = label("lblTV");
            const bool differs = now != tv;
            tv = now;
            return differs;
        };
        addFromLibrary(0);
        QVERIFY(changed());
        click("bAddAmmo"); // ten rounds of base ammunition add their worth
        QVERIFY(changed());
        select(0, 2);
        click("bAddCLip");
        click("bAddAmmo");
        QVERIFY(changed());
        click("bDel"); // the spare clip's section
        QVERIFY(changed());
        select(0, 2);
        click("bDel");
        QVERIFY(changed());
        // Back to no weapons: back to the offensive value of none.
        QCOMPARE(label("lblOTV"), emptyOTV);
    }

    void threeClipsListInOrder()
    {
        addFromLibrary(0);
        TWeapon &gun = weapons().Get(0);
        TClip magazine;
        magazine.AddSection(TAmmoSection{});
        gun.Clips.Set(0, magazine);
        TClip spare;
        spare.AddSection(TAmmoSection{});
        spare.AddSection(TAmmoSection{});
        gun.Clips.Add(spare);
        gun.Clips.Add(spare);
        page()->ShowVehicleWeapons();
        QCOMPARE(column(0), (QStringList{"W", "A", "C", "A", "A", "C", "A", "A"}));
        QCOMPARE(column(1), (QStringList{"0", "0", "1", "0", "1", "2", "0", "1"}));
        QCOMPARE(cell(2, 4), QStringLiteral("   CLIP"));
        QCOMPARE(cell(3, 4), QStringLiteral("   AMMO"));

        // Deleting a clip takes its sections with it.
        select(2, 9);
        click("bDel");
        QCOMPARE(column(0), (QStringList{"W", "A", "C", "A", "A"}));
        QCOMPARE(gun.Clips.Count(), 2);
    }

    void movingKeepsClipZeroAndListEnds()
    {
        addFromLibrary(0);
        addFromLibrary(1);
        select(0, 2);
        click("bAddCLip");
        click("bAddCLip");
        vehicle().Modified = false;

        select(1, 9); // clip 1 cannot go above the internal magazine
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(column(1), (QStringList{"0", "1", "2", "1"}));
        QCOMPARE(grid()->currentRow(), 1);
        select(3, 2); // the last weapon cannot go down
        QTest::mouseClick(moveButtons()->DownButton(), Qt::LeftButton);
        QCOMPARE(weapons().Get(1).Data.Code, std::string("HC"));
        QCOMPARE(grid()->currentRow(), 3);
        QVERIFY(!vehicle().Modified);

        // A move that happens keeps the moved item selected and counts as a change.
        weapons().Get(0).Clips.Mutable(2)->ClipCount = 5;
        page()->ShowVehicleWeapons();
        select(2, 9);
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(weapons().Get(0).Clips.Get(1).ClipCount, 5);
        QCOMPARE(grid()->currentRow(), 1);
        QVERIFY(vehicle().Modified);

        select(3, 2);
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("HC"));
        QCOMPARE(column(0), (QStringList{"W", "W", "C", "C"}));
        QCOMPARE(grid()->currentRow(), 0);
    }

    void cellEditsStoreIntegersAndCutNames()
    {
        addFromLibrary(0);
        select(0, 2);
        click("bAddCLip");
        vehicle().Modified = false;
        const QString tvBefore = label("lblTV");

        typeInCell(1, 9, QStringLiteral("3"));
        QCOMPARE(weapons().Get(0).Clips.Get(1).ClipCount, 3);
        QVERIFY(vehicle().Modified);

        typeInCell(0, 2, QStringLiteral("2"));
        QCOMPARE(weapons().Get(0).Data.NumberOfItems, 2);
        QVERIFY(label("lblTV") != tvBefore); // the results follow at once

        typeInCell(0, 2, QStringLiteral("two"));
        QCOMPARE(weapons().Get(0).Data.NumberOfItems, 2);
        QCOMPARE(cell(0, 2), QStringLiteral("2"));
        typeInCell(0, 2, QStringLiteral("-3"));
        QCOMPARE(weapons().Get(0).Data.NumberOfItems, 2);
        QCOMPARE(cell(0, 2), QStringLiteral("2"));
        typeInCell(1, 9, QStringLiteral("-1"));
        QCOMPARE(weapons().Get(0).Clips.Get(1).ClipCount, 3);
        typeInCell(0, 3, QString::fromUtf8("Müller Ω"));
        QCOMPARE(weapons().Get(0).Data.Name, std::string("M\xfcller "));

        const QString name = QString(70, QLatin1Char('n'));
        typeInCell(0, 3, name);
        QCOMPARE(weapons().Get(0).Data.Name, std::string(64, 'n'));
        QCOMPARE(cell(0, 3), name.left(64));

        // Only these cells can be edited.
        QVERIFY(!(grid()->item(0, 4)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(grid()->item(0, 9)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(grid()->item(1, 2)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid()->item(1, 9)->flags() & Qt::ItemIsEditable);
    }

    void sectionAmountEditedInPlace()
    {
        addFromLibrary(0);
        select(0, 2);
        click("bAddAmmo");
        typeInCell(1, 9, QStringLiteral("40"));
        QCOMPARE(weapons().Get(0).Clips.Get(0).GetSection(0).Amount, 40);
        QCOMPARE(cell(1, 9), QStringLiteral("40"));
        typeInCell(1, 9, QStringLiteral("-5"));
        QCOMPARE(weapons().Get(0).Clips.Get(0).GetSection(0).Amount, 40);
        QCOMPARE(cell(1, 9), QStringLiteral("40"));
    }

    void linksFlipOnSelectionAndDeleteByColumn()
    {
        addFromLibrary(0);
        addFromLibrary(1);
        click("bWLadd");
        click("bWLadd");
        QCOMPARE(grid()->columnCount(), 15);
        QCOMPARE(weapons().LinkCount(), 2);

        vehicle().Modified = false;
        const QString tvBefore = label("lblTV");
        clickCell(1, 14);
        QVERIFY(weapons().Get(1).Links.Get(1));
        QVERIFY(label("lblTV") != tvBefore); // a link membership costs a perk point
        QCOMPARE(cell(1, 14), QStringLiteral("X"));
        QVERIFY(vehicle().Modified);
        clickCell(1, 14); // clicking again takes the weapon out again
        QVERIFY(!weapons().Get(1).Links.Get(1));
        QCOMPARE(cell(1, 14), QString());
        clickCell(0, 13);
        QVERIFY(weapons().Get(0).Links.Get(0));

        // "Delete" removes the link whose column holds the cursor.
        clickCell(1, 14);
        click("bWLdelete");
        QCOMPARE(weapons().LinkCount(), 1);
        QCOMPARE(grid()->columnCount(), 14);
        QVERIFY(weapons().Get(0).Links.Get(0));

        // Outside a link column nothing is deleted (but the flag is set).
        select(0, 3);
        vehicle().Modified = false;
        click("bWLdelete");
        QCOMPARE(weapons().LinkCount(), 1);
        QVERIFY(vehicle().Modified);
    }

    void deleteKeyAndClear()
    {
        addFromLibrary(0);
        addFromLibrary(1);
        select(0, 2);
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(weapons().Count(), 1);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("HC"));

        m_dialogs->answers = {TDialogAnswer::Cancel};
        click("bClear");
        QCOMPARE(m_dialogs->questions.last(), QStringLiteral("Clear all weapons?"));
        QCOMPARE(weapons().Count(), 1);
        m_dialogs->answers = {TDialogAnswer::Ok};
        vehicle().Modified = false;
        click("bClear");
        QCOMPARE(weapons().Count(), 0);
        QVERIFY(vehicle().Modified);
        QVERIFY(!weaponButtonsEnabled());
    }

    void modifyWritesBackOnlyOnOk()
    {
        addFromLibrary(0);
        select(0, 2);
        const QString tvBefore = label("lblTV");
        m_dialogs->modal = [](QDialog &dialog) {
            auto &modify = static_cast<TfrmModify &>(dialog);
            modify.show();
            // Old rating of the weapon as it is: 100.
            if (modify.findChild<QLabel *>(QStringLiteral("lold"))->text() != QStringLiteral("100"))
                return int(QDialog::Rejected);
            modify.findChild<QGroupBox *>(QStringLiteral("RadioGroup1"))->findChildren<QRadioButton *>().at(0)->click();
            modify.findChild<QGroupBox *>(QStringLiteral("rgArc"))->findChildren<QRadioButton *>().at(8)->click();
            return int(QDialog::Accepted);
        };
        vehicle().Modified = false;
        click("bMod");
        QCOMPARE(weapons().Get(0).Data.AccMod, 1);
        QCOMPARE(weapons().Get(0).Data.Arc, 8);
        QCOMPARE(cell(0, 5), QStringLiteral("T"));
        QVERIFY(vehicle().Modified);
        QVERIFY(label("lblTV") != tvBefore);

        m_dialogs->modal = [](QDialog &dialog) {
            dialog.findChild<QGroupBox *>(QStringLiteral("RadioGroup1"))->findChildren<QRadioButton *>().at(2)->click();
            return int(QDialog::Rejected);
        };
        vehicle().Modified = false;
        click("bMod");
        QCOMPARE(weapons().Get(0).Data.AccMod, 1);
        QVERIFY(!vehicle().Modified);
    }

    void modifyOpensTheRowsOwnPage()
    {
        addFromLibrary(0);
        select(0, 2);
        click("bAddAmmo");
        click("bAddCLip");
        QCOMPARE(column(0), (QStringList{"W", "A", "C"}));

        QString shown;
        m_dialogs->modal = [&shown](QDialog &dialog) {
            dialog.show();
            auto *pages = dialog.findChild<QTabWidget *>();
            shown.clear();
            for (int i = 0; i < pages->count(); ++i)
                if (pages->isTabVisible(i))
                    shown += pages->tabText(i) + QLatin1Char(';');
            if (auto *antiLaser = dialog.findChild<QAbstractButton *>(QStringLiteral("cbAmmo0")); antiLaser->isEnabled())
                antiLaser->click();
            dialog.findChild<QAbstractButton *>(QStringLiteral("st1"))->click();
            return int(QDialog::Accepted);
        };
        select(1, 9);
        click("bMod");
        QCOMPARE(shown, QStringLiteral("Ammo Modifiers;"));
        QVERIFY(weapons().Get(0).Clips.Get(0).GetSection(0).Selected[0]);
        QCOMPARE(cell(1, 12), QStringLiteral("AL"));
        QVERIFY(!weapons().Get(0).Clips.Get(1).Shielded);

        // A double-click on a row opens the dialog too.
        const QRect clipRow = grid()->visualItemRect(grid()->item(2, 4));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, clipRow.center());
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, clipRow.center());
        QCOMPARE(shown, QStringLiteral("Clip Modifiers;"));
        QVERIFY(weapons().Get(0).Clips.Get(1).Shielded);
        QCOMPARE(cell(2, 12), QStringLiteral("Shielded Ammo Container"));
        QVERIFY(!weapons().Get(0).Clips.Get(0).Shielded);
    }

    void perkRowOpensThePerkEditor()
    {
        vehicle().Flaws->Add(OffensivePerk());
        TPerkRecord quiet = OffensivePerk();
        quiet.InsideOTV = false;
        vehicle().Perks->Add(quiet); // not offensive: no row
        page()->ShowVehicleWeapons();
        select(0, 3);
        // By default the perk editor dialog opens on the entry.
        QString opener;
        m_dialogs->modal = [&opener](QDialog &dialog) {
            opener = QString::fromLatin1(dialog.metaObject()->className());
            return int(QDialog::Rejected);
        };
        click("bMod");
        QCOMPARE(opener, QStringLiteral("TfrmPerkEditor"));

        int opened = 0;
        page()->SetPerkEditor([&opened](QWidget *, TPerkRecord &entry, const TPerkVehicleData &) {
            ++opened;
            entry.Amount = 3;
            return opened == 1;
        });
        page()->ShowVehicleWeapons();
        QCOMPARE(column(0), QStringList{"F"});
        QCOMPARE(cell(0, 4), QStringLiteral("FLAW"));
        select(0, 3);
        click("bMod");
        QCOMPARE(opened, 1);
        QCOMPARE(vehicle().Flaws->Get(0).Amount, 3);
        QCOMPARE(cell(0, 3), QStringLiteral("Gunnery Computer x3"));

        // Cancel keeps the entry, yet the design counts as changed.
        vehicle().Flaws->Set(0, OffensivePerk());
        vehicle().Modified = false;
        click("bMod");
        QCOMPARE(opened, 2);
        QCOMPARE(vehicle().Flaws->Get(0).Amount, 1);
        QVERIFY(vehicle().Modified);
    }

    void headingsSortDescendingThenAscending()
    {
        QTableWidget *cannons = library(0);
        QCOMPARE(cannons->rowCount(), 3);
        QCOMPARE(cannons->item(0, 0)->text(), QStringLiteral("LC"));
        const int ratingColumn = 2;
        const QPoint heading(cannons->horizontalHeader()->sectionViewportPosition(ratingColumn) + 5, 5);
        QTest::mouseClick(cannons->horizontalHeader()->viewport(), Qt::LeftButton, {}, heading);
        QStringList codes;
        for (int row = 0; row < 3; ++row)
            codes << cannons->item(row, 0)->text();
        QCOMPARE(codes, (QStringList{"HC", "MC", "LC"}));
        QTest::mouseClick(cannons->horizontalHeader()->viewport(), Qt::LeftButton, {}, heading);
        codes.clear();
        for (int row = 0; row < 3; ++row)
            codes << cannons->item(row, 0)->text();
        QCOMPARE(codes, (QStringList{"LC", "MC", "HC"}));
        QCOMPARE(m_libraries->WeaponLibrary(0).Get(0).Code, std::string("LC"));
        // Sorting a built-in library is not a change of the custom weapons.
        QCOMPARE(m_libraries->CustomChanges(), 0);

        // A double-click mounts the row.
        const QRect row = cannons->visualItemRect(cannons->item(2, 1));
        QTest::mouseClick(cannons->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(cannons->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(weapons().Count(), 1);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("HC"));
    }

    void emptyLibraryShowsOneDisabledRow()
    {
        libraryTabs()->setCurrentIndex(4);
        QCOMPARE(library(4)->rowCount(), 1);
        QVERIFY(!library(4)->isEnabled());
        const int before = weapons().Count();
        click("bAdd");
        QCOMPARE(weapons().Count(), before);
    }

    void newCustomWeaponIsListedAndEditDeleteFollowTheList()
    {
        libraryTabs()->setCurrentIndex(6);
        QVERIFY(!button("Button8")->isEnabled());
        QVERIFY(!button("Button9")->isEnabled());

        m_dialogs->modal = [](QDialog &) { return int(QDialog::Accepted); };
        click("Button7");
        const TBaseWeaponList &custom = m_libraries->WeaponLibrary(6);
        QCOMPARE(custom.Count(), 1);
        QCOMPARE(custom.Get(0).Name, std::string("Untitled"));
        QCOMPARE(custom.Get(0).Code, std::string("NONE"));
        QCOMPARE(custom.Get(0).WeaponType, 6);
        QCOMPARE(custom.Get(0).AreaEffect, -1);
        QCOMPARE(library(6)->item(0, 12)->text(), QStringLiteral("C"));
        QCOMPARE(library(6)->item(0, 1)->text(), QStringLiteral("Untitled"));
        QVERIFY(button("Button8")->isEnabled());
        QVERIFY(button("Button9")->isEnabled());
        QCOMPARE(m_libraries->CustomChanges(), 1);
        QVERIFY(!vehicle().Modified);

        // Edit replaces the record on OK.
        m_dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("Edit1")), QStringLiteral("Spitter"));
            return int(QDialog::Accepted);
        };
        library(6)->setCurrentCell(0, 0);
        click("Button8");
        QCOMPARE(custom.Get(0).Name, std::string("Spitter"));
        QCOMPARE(m_libraries->CustomChanges(), 2);

        // The mounted copy does not follow later edits of the custom weapon.
        click("bAdd");
        QCOMPARE(weapons().Get(0).Data.Name, std::string("Spitter"));

        m_dialogs->answers = {TDialogAnswer::Cancel};
        click("Button9");
        QCOMPARE(m_dialogs->questions.last(), QStringLiteral("Delete the custom weapon?"));
        QCOMPARE(custom.Count(), 1);
        m_dialogs->answers = {TDialogAnswer::Ok};
        click("Button9");
        QCOMPARE(custom.Count(), 0);
        QCOMPARE(m_libraries->CustomChanges(), 3);
        QVERIFY(!button("Button8")->isEnabled());
        QVERIFY(!button("Button9")->isEnabled());
        QVERIFY(!library(6)->isEnabled());
        QCOMPARE(weapons().Get(0).Data.Name, std::string("Spitter"));
    }

    void customWeaponsAreWrittenAtEveryChange()
    {
        // The program's own libraries: the custom list goes to the custom weapon file.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::string previousFolder = ProgramFolder();
        SetProgramFolder(folder.path().toStdString() + "/");
        Libraries().Clear();
        SetWeaponLibraries(nullptr);
        libraryTabs()->setCurrentIndex(6);

        m_dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("Edit2")), QStringLiteral("SAVED"));
            return int(QDialog::Accepted);
        };
        click("Button7");
        const std::vector<TWeaponRecord> saved = ReadCustomWeaponFile(ProgramFolder());
        QCOMPARE(saved.size(), size_t(1));
        QCOMPARE(saved[0].Code, std::string("SAVED"));
        QCOMPARE(saved[0].WeaponType, 6);

        m_dialogs->answers = {TDialogAnswer::Ok};
        click("Button9");
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Custom.zel"))));

        Libraries().Clear();
        SetProgramFolder(previousFolder);
    }

    void panelHeightIsRemembered()
    {
        // A fresh window with a stored height for Panel16.
        vehicle().Modified = false;
        m_window.reset();
        m_data->layout.fill(50);
        m_data->layout[0] = 220;
        m_window = std::make_unique<TfrmEditer>();
        m_window->resize(800, 600);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->PageControl()->setCurrentIndex(1);
        QWidget *panel = page()->findChild<QWidget *>(QStringLiteral("Panel16"));
        QTRY_COMPARE(panel->height(), 220);

        auto *splitter = page()->findChild<QSplitter *>(QStringLiteral("Splitter1"));
        const int total = splitter->sizes().at(0) + splitter->sizes().at(1);
        splitter->setSizes({180, total - 180});
        QCOMPARE(panel->height(), 180);
        // as in the other splitters, neither pane goes below 110 pixels
        splitter->setSizes({0, total});
        QCOMPARE(panel->height(), 110);
        splitter->setSizes({total, 0});
        QVERIFY(splitter->widget(1)->height() >= 110);
        splitter->setSizes({180, total - 180});
        m_window->close();
        QCOMPARE(m_data->layout[0], 180);
    }
};

QTEST_MAIN(WeaponsPageTest)
#include "tst_weaponspage.moc"
