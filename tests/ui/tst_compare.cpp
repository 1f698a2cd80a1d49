// The comparison window: every value of two designs side by side with the differences
// highlighted, the same differences the command-line comparison finds, "Differences only",
// and "Compare with…" between the open design and its saved file.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "base/NumberFormat.h"
#include "base/Stream.h"
#include "engine/DesignDiff.h"
#include "engine/DesignFile.h"
#include "engine/DesignResults.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"
#include "ui/Cp1252.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/CompareWindow.h"
#include "ui/document/UndoSnapshot.h"
#include "ui/document/VehicleDocument.h"
#include "weapons/WeaponList.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <memory>

namespace aw {

namespace {

WeaponRecord SampleWeapon(const char *name, const char *code, int32_t rating)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = name;
    r.Code = code;
    r.Rating = rating;
    r.Damage = 4;
    return r;
}

// Alpha: armour 5, one laser. Beta: the same armour, the laser and a cannon, ground movement.
void MakeAlpha(Vehicle &v)
{
    v.Name = "Alpha";
    v.Armor = 5;
    v.Weapons->AddRecord(SampleWeapon("Laser", "LS", 40));
}

void MakeBeta(Vehicle &v)
{
    v.Name = "Beta";
    v.Armor = 5;
    v.Weapons->AddRecord(SampleWeapon("Laser", "LS", 40));
    v.Weapons->AddRecord(SampleWeapon("Cannon", "HC", 300));
    MovementRecord ground;
    ground.ModeName = "Ground";
    ground.TopSpeed = 60;
    v.Movement->Add(ground);
}

// Saves a picture of a widget when AW_SCREENSHOT_DIR names a folder (to look at the result).
void Screenshot(const QPixmap &picture, const char *name)
{
    const QString folder = qEnvironmentVariable("AW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    static QString text(const QTreeWidgetItem *row, int column) { return row ? row->text(column) : QString(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_folder.filePath(QStringLiteral("settings")));
    }

    void everyValueSideBySideWithTheDifferencesMarked()
    {
        Vehicle alpha, beta;
        MakeAlpha(alpha);
        MakeBeta(beta);
        CompareWindow window(QStringLiteral("Alpha file"), alpha, QStringLiteral("Beta file"), beta);
        QCOMPARE(window.Tree()->headerItem()->text(2), QStringLiteral("Beta file"));

        QTreeWidgetItem *name = window.Row(QStringLiteral("Name"));
        QCOMPARE(text(name, 1) + text(name, 2), QStringLiteral("\"Alpha\"\"Beta\""));
        QVERIFY(window.IsHighlighted(name));
        QCOMPARE(name->parent()->text(0), QStringLiteral("Design"));
        // Equal values are listed too, without the mark.
        QTreeWidgetItem *armor = window.Row(QStringLiteral("Armor"));
        QCOMPARE(text(armor, 1) + text(armor, 2), QStringLiteral("55"));
        QVERIFY(!window.IsHighlighted(armor));
        QVERIFY(!window.IsHighlighted(window.Row(QStringLiteral("weapons[0].Code"))));
        // An entry only one design has is one marked row; an entry both have shows its name.
        QTreeWidgetItem *cannon = window.Row(QStringLiteral("weapons[1]"));
        QCOMPARE(text(cannon, 0) + text(cannon, 1) + text(cannon, 2), QStringLiteral("#2(none)\"Cannon\""));
        QVERIFY(window.IsHighlighted(cannon));
        QCOMPARE(window.Row(QStringLiteral("weapons[0].Name"))->parent()->text(1), QStringLiteral("\"Laser\""));
        QCOMPARE(text(window.Row(QStringLiteral("movement[0]")), 2), QStringLiteral("\"Ground\""));
        // The results differ with the cannon; groups holding a difference are opened.
        QTreeWidgetItem *tv = window.Row(QStringLiteral("results.ThreatValue"));
        QVERIFY(window.IsHighlighted(tv) && text(tv, 1) != text(tv, 2));
        QVERIFY(tv->parent()->isExpanded());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Tree()->scrollToItem(cannon);
        Screenshot(window.grab(), "compare-window.png");

        // Exactly what the command-line comparison finds is marked.
        Vehicle alpha2, beta2;
        MakeAlpha(alpha2);
        MakeBeta(beta2);
        const DesignDifferences differences = CompareDesigns(alpha2, beta2);
        QCOMPARE(window.DifferenceCount(), static_cast<int>(differences.size()));
        for (const DesignDifference &difference : differences)
            QVERIFY2(window.IsHighlighted(window.Row(QString::fromStdString(difference.Path))),
                     difference.Path.c_str());
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblDifferences"))->text(),
                 QStringLiteral("%1 differences").arg(differences.size()));

        // "Differences only" hides the rest, a group without a difference as a whole.
        window.findChild<QCheckBox *>(QStringLiteral("cbDifferencesOnly"))->setChecked(true);
        QVERIFY(armor->isHidden() && !name->isHidden() && !name->parent()->isHidden());
        QVERIFY(window.Row(QStringLiteral("CustomProduction.CustomModelDice"))->parent()->isHidden());
        window.SetDifferencesOnly(false);
        QVERIFY(!armor->isHidden());
    }

    // Numbers read as the pages and the results area write them, not as the exact texts the
    // command-line comparison prints; a number shown shorter keeps its exact value as its tip.
    void numbersAsTheEditorShowsThem()
    {
        Vehicle a, b;
        MakeBeta(a);
        MakeBeta(b);
        a.SensorRange = 0.1 + 0.2;
        b.SensorRange = 1234.56;
        b.FireControl = 2;
        MovementRecord slow = a.Movement->Get(0);
        slow.TopSpeed = 0.1 + 0.2;
        a.Movement->Set(0, slow);
        const ResultTexts shown = FormatResults(ComputeResults(*CopyDesign(b)), b.CurrencyName);
        CompareWindow window(QStringLiteral("A"), a, QStringLiteral("B"), b);

        QTreeWidgetItem *range = window.Row(QStringLiteral("SensorRange"));
        QCOMPARE(text(range, 1) + text(range, 2), QStringLiteral("0.31,234.6"));
        QCOMPARE(range->toolTip(1), QStringLiteral("0.30000000000000004"));
        QCOMPARE(text(window.Row(QStringLiteral("FireControl")), 2), QStringLiteral("+2"));
        QTreeWidgetItem *speed = window.Row(QStringLiteral("movement[0].TopSpeed"));
        QCOMPARE(text(speed, 1) + text(speed, 2), QStringLiteral("0.360"));
        QVERIFY(speed->toolTip(2).isEmpty());
        QCOMPARE(text(window.Row(QStringLiteral("Name")), 1), QStringLiteral("\"Beta\""));

        QCOMPARE(text(window.Row(QStringLiteral("results.ThreatValue")), 2), cp1252::ToQt(shown.ThreatValue));
        QCOMPARE(text(window.Row(QStringLiteral("results.DefaultMass")), 2), cp1252::ToQt(shown.DefaultMass));
        QVERIFY(cp1252::ToQt(shown.FinalCost).startsWith(text(window.Row(QStringLiteral("results.FinalCost")), 2)));
    }

    // Designs that differ in 200,000 places: the window lists the first values and every
    // result, counts every difference and says how many values it left out. A note of
    // megabytes shows its start.
    void aHugeComparisonListsItsFirstValues()
    {
        Vehicle a, b;
        a.Description = std::string(2000000, 'x');
        b.Description = "y";
        for (int weapon = 0; weapon < 50; ++weapon) {
            a.Weapons->AddRecord(SampleWeapon("Laser", "LS", 40));
            b.Weapons->AddRecord(SampleWeapon("Laser", "LS", 40));
        }
        for (int link = 0; link < 4000; ++link)
            a.Weapons->AddLink();
        int differences = 0;
        int values = 0;
        for (const DesignComparisonRow &row : CompareDesignsSideBySide(*CopyDesign(a), *CopyDesign(b))) {
            differences += row.Differs ? 1 : 0;
            values += row.Path.rfind("results.", 0) == 0 ? 0 : 1;
        }
        CompareWindow window(QStringLiteral("A"), a, QStringLiteral("B"), b);
        QCOMPARE(window.DifferenceCount(), differences);
        QVERIFY(
            window.findChild<QLabel *>(QStringLiteral("lblDifferences"))
                ->text()
                .endsWith(QStringLiteral(" %1 more values are left out")
                              .arg(QString::fromStdString(number::Grouped(values - CompareWindow::kListedValues, 0)))));
        int listed = 0;
        for (QTreeWidgetItemIterator item(window.Tree()); *item; ++item)
            listed += (*item)->childCount() == 0 && !(*item)->toolTip(0).startsWith(QStringLiteral("results.")) ? 1 : 0;
        QCOMPARE(listed, CompareWindow::kListedValues);
        QVERIFY(window.IsHighlighted(window.Row(QStringLiteral("weapons[0].links[0]"))));
        QVERIFY(!window.Row(QStringLiteral("weapons[49].links[3999]")));
        QVERIFY(window.Row(QStringLiteral("results.ModelLemonDice"))); // the results come after the cut
        QTreeWidgetItem *note = window.Row(QStringLiteral("Description"));
        QCOMPARE(text(note, 1),
                 QLatin1Char('"') + QString(CompareWindow::kShownCharacters - 1, QLatin1Char('x')) + QChar(0x2026));
        QCOMPARE(note->toolTip(1), QStringLiteral("2,000,002 characters, the first 500 are shown"));
        QCOMPARE(text(note, 2) + note->toolTip(2), QStringLiteral("\"y\""));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.SetDifferencesOnly(true);
        QVERIFY(!window.Row(QStringLiteral("weapons[0].links[0]"))->isHidden());
    }

    void sameDesignsHaveNothingMarked()
    {
        Vehicle a, b;
        MakeBeta(a);
        MakeBeta(b);
        CompareWindow window(QStringLiteral("A"), a, QStringLiteral("B"), b);
        QCOMPARE(window.DifferenceCount(), 0);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblDifferences"))->text(),
                 QStringLiteral("The designs are the same."));
    }

    void openDesignAgainstItsSavedFile()
    {
        EditorFixture editor;
        QVERIFY(editor.Start());
        const QString file = m_folder.filePath(QStringLiteral("saved.vkd"));
        editor.Design().Name = "Saved";
        editor.Dialogs->paths = {file};
        editor.Window->findChild<QAction *>(QStringLiteral("saveAsAction"))->trigger();
        driver::Enter(editor.Window->findChild<QLineEdit *>(QStringLiteral("eArmor")), QStringLiteral("9"));
        Stream before;
        SaveToStream(editor.Design(), before);

        QString armorOpen, armorSaved, captionB;
        editor.Dialogs->paths = {file};
        editor.Dialogs->modal = [&](QDialog &dialog) {
            auto *window = qobject_cast<CompareWindow *>(&dialog);
            if (window) {
                captionB = window->Tree()->headerItem()->text(2);
                armorOpen = window->Row(QStringLiteral("Armor"))->text(1);
                armorSaved = window->Row(QStringLiteral("Armor"))->text(2);
            }
            return int(QDialog::Rejected);
        };
        editor.Window->findChild<QAction *>(QStringLiteral("compareWithAction"))->trigger();
        // The dialog offers the design's own file first.
        QCOMPARE(editor.Dialogs->openDialogs.last().FileName, file);
        QCOMPARE(editor.Dialogs->openDialogs.last().Title, QStringLiteral("Compare With"));
        QCOMPARE(captionB, QStringLiteral("saved.vkd"));
        QCOMPARE(armorOpen, QStringLiteral("9"));
        QCOMPARE(armorSaved, QString::number(LoadDesignFile(file.toStdString()).Design->Armor));
        QVERIFY(armorSaved != armorOpen);
        // Comparing works on a copy: the open design is untouched.
        Stream after;
        SaveToStream(editor.Design(), after);
        QVERIFY(after.Bytes() == before.Bytes());

        // A file that cannot be read is reported; no window opens.
        const int shown = editor.Dialogs->modalDialogs;
        QFile broken(m_folder.filePath(QStringLiteral("broken.vkd")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a design");
        broken.close();
        editor.Dialogs->paths = {broken.fileName()};
        editor.Window->findChild<QAction *>(QStringLiteral("compareWithAction"))->trigger();
        QCOMPARE(editor.Dialogs->modalDialogs, shown);
        QCOMPARE(editor.Dialogs->errors.size(), 1);

        // A picture the file holds but cannot be shown is not compared, and that is said.
        auto pictured = StrikerDesign();
        pictured->Picture = {'B', 'M', 1, 2, 3};
        const QString withPicture = m_folder.filePath(QStringLiteral("pictured.vkd"));
        SaveDesignFile(*pictured, withPicture.toStdString());
        editor.Dialogs->paths = {withPicture};
        editor.Window->findChild<QAction *>(QStringLiteral("compareWithAction"))->trigger();
        QCOMPARE(editor.Dialogs->modalDialogs, shown + 1);
        QCOMPARE(editor.Dialogs->warnings.size(), 1);
        QVERIFY(editor.Dialogs->warnings[0].contains(QStringLiteral("The picture in")));
        editor.Stop();
    }

    // A file another program wrote, with values the editor settles on opening, opened and
    // not changed: it is the same design as the file.
    void anOpenedDesignEqualsItsUnchangedFile()
    {
        const std::string file = m_folder.filePath(QStringLiteral("unsettled.vkd")).toStdString();
        auto design = StrikerDesign();
        design->FinalSize = 0;
        design->ProductionType = 9;
        SaveDesignFile(*design, file);
        EditorFixture editor;
        QVERIFY(editor.Start());
        editor.Window->OpenFile(QString::fromStdString(file));
        QCOMPARE(editor.Design().ProductionType, 7);
        int differences = -1;
        editor.Dialogs->paths = {QString::fromStdString(file)};
        editor.Dialogs->modal = [&](QDialog &dialog) {
            differences = qobject_cast<CompareWindow *>(&dialog)->DifferenceCount();
            return int(QDialog::Rejected);
        };
        editor.Window->findChild<QAction *>(QStringLiteral("compareWithAction"))->trigger();
        QCOMPARE(differences, 0);
        editor.Stop();
    }
};

} // namespace aw

QTEST_MAIN(aw::CompareTest)
#include "tst_compare.moc"
