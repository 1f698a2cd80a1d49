// Undo and redo of design edits: each kind of edit comes back byte for byte, typing in one
// box is one step, the saved state clears the Modified flag, New/Open/Revert reset the
// history, and the change line reports the threat value and cost moves.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"
#include "support/PerkTestLibraries.h"

#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "engine/base/Stream.h"
#include "ui/Editer.h"
#include "ui/UndoChangeText.h"
#include "ui/UndoHistory.h"
#include "ui/UndoSnapshot.h"
#include "ui/UndoStep.h"
#include "ui/VehicleDocument.h"
#include "ui/WeaponLibraries.h"
#include "weapons/WeaponGridRows.h"
#include "weapons/WeaponList.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

using Body = std::vector<uint8_t>;

// Saves a picture of a widget when AW_SCREENSHOT_DIR names a folder (to look at the result).
void screenshot(const QPixmap &picture, const char *name)
{
    const QString folder = qEnvironmentVariable("AW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

TWeaponRecord Cannon(const char *code, int32_t rating)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Code = code;
    r.Rating = rating;
    r.Damage = 5;
    return r;
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<TMemoryWeaponLibraries> m_weapons;
    std::unique_ptr<TPerkTestLibraries> m_perks;
    TEditorFixture m_editor;

    TVehicle &vehicle() { return m_editor.Vehicle(); }
    TfrmEditer &window() { return *m_editor.window; }
    QUndoStack &stack() { return *window().UndoHistory()->Stack(); }
    template <typename T = QLineEdit> T *find(const char *name)
    {
        T *control = window().findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QAction *action(const char *name) { return find<QAction>(name); }
    QString label(const char *name) { return find<QLabel>(name)->text(); }
    // The design body as the design file stores it.
    Body body()
    {
        TStream stream;
        SaveToStream(vehicle(), stream);
        return stream.Bytes();
    }
    QStringList results()
    {
        QStringList texts;
        for (const char *name : {"lblTV", "lblOTV", "lblDTV", "lblMTV", "lblFinalCost", "lblFinalSize"})
            texts << label(name);
        return texts;
    }
    // Lets the history record the change its handler reported.
    static void settle() { QCoreApplication::processEvents(); }
    void undo()
    {
        action("Undo1")->trigger();
        settle();
    }
    void redo()
    {
        action("Redo1")->trigger();
        settle();
    }
    void choose(const char *comboName, const QString &item)
    {
        auto *combo = find<QComboBox>(comboName);
        const int index = combo->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void click(const char *name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    QString savedFile(const char *name)
    {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        m_editor.dialogs->paths = {path};
        action("SaveAs1")->trigger();
        settle();
        return path;
    }

    // Undoing the last steps gives the bodies back in reverse order; redoing them gives the
    // later bodies again, and the results area shows what it showed at each point.
    void checkStepsRoundTrip(const QList<Body> &bodies, const QList<QStringList> &shown)
    {
        for (int i = static_cast<int>(bodies.size()) - 2; i >= 0; --i) {
            undo();
            QVERIFY2(body() == bodies[i], qPrintable(QStringLiteral("after undo to state %1").arg(i)));
            QCOMPARE(results(), shown[i]);
        }
        for (int i = 1; i < bodies.size(); ++i) {
            redo();
            QVERIFY2(body() == bodies[i], qPrintable(QStringLiteral("after redo to state %1").arg(i)));
            QCOMPARE(results(), shown[i]);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.filePath(QStringLiteral("settings")));
    }

    void init()
    {
        m_weapons = std::make_unique<TMemoryWeaponLibraries>();
        m_weapons->WeaponLibrary(0).Add(Cannon("LC", 100));
        m_weapons->WeaponLibrary(0).Add(Cannon("HC", 300));
        SetWeaponLibraries(m_weapons.get());
        m_perks = std::make_unique<TPerkTestLibraries>();
        QVERIFY(m_editor.Start());
        settle();
    }

    void cleanup()
    {
        m_editor.Stop();
        m_perks.reset();
        SetWeaponLibraries(nullptr);
        m_weapons.reset();
    }

    void editMenuNamesTheChangeAndHasTheShortcuts()
    {
        auto *edit = find<QMenu>("Edit1");
        QCOMPARE(edit->title(), QStringLiteral("Edit"));
        QVERIFY(!action("Undo1")->isEnabled());
        QVERIFY(!action("Redo1")->isEnabled());
        QCOMPARE(action("Undo1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(action("Redo1")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(action("Redo1")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));

        const QString shown = find("eArmor")->text();
        driver::Enter(find("eArmor"), QStringLiteral("7"));
        settle();
        QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo Armor change"));
        QVERIFY(action("Undo1")->isEnabled());
        edit->popup(window().mapToGlobal(QPoint(60, window().menuBar()->height())));
        QTRY_VERIFY(edit->isVisible());
        QPixmap shot = window().grab();
        {
            QPainter painter(&shot);
            painter.drawPixmap(window().mapFromGlobal(edit->pos()), edit->grab());
        }
        screenshot(shot, "edit-menu.png");
        edit->hide();
        undo();
        QCOMPARE(action("Redo1")->text(), QStringLiteral("Redo Armor change"));
        QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo"));
        QCOMPARE(find("eArmor")->text(), shown);
    }

    void generalAndMovementEditsComeBackByteForByte()
    {
        QList<Body> bodies{body()};
        QList<QStringList> shown{results()};
        driver::Enter(find("eArmor"), QStringLiteral("12"));
        settle();
        bodies << body();
        shown << results();
        choose("cbxPriMode", QStringLiteral("Ground"));
        settle();
        bodies << body();
        shown << results();
        driver::Enter(find("ePriTopMP"), QStringLiteral("20"));
        settle();
        bodies << body();
        shown << results();
        QCOMPARE(stack().count(), 3);
        QVERIFY(shown[1] != shown[0]); // the armour moved the threat value
        checkStepsRoundTrip(bodies, shown);
        undo();
        QCOMPARE(vehicle().Movement->TopSpeed(0), 0.0);
        undo();
        QCOMPARE(vehicle().Movement->Count(), 0);
    }

    void weaponEditsComeBackByteForByte()
    {
        window().PageControl()->setCurrentIndex(1);
        auto *library = find<QTableWidget>("sg0");
        auto *grid = find<QTableWidget>("sgW");
        QList<Body> bodies{body()};
        QList<QStringList> shown{results()};
        for (int row : {0, 1}) {
            library->setCurrentCell(row, 0);
            click("bAdd");
            settle();
            bodies << body();
            shown << results();
        }
        QCOMPARE(vehicle().Weapons->Count(), 2);
        QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo Weapons change"));

        // Modify: the quantity typed into the first weapon's row.
        grid->setFocus();
        grid->setCurrentCell(0, weapongrid::Items);
        QTest::keyClick(grid, Qt::Key_F2);
        QPointer<QLineEdit> editor = grid->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("3"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editor || !editor->isVisible());
        settle();
        QCOMPARE(vehicle().Weapons->Get(0).Data.NumberOfItems, 3);
        bodies << body();
        shown << results();

        // Remove the second weapon.
        grid->setCurrentCell(1, weapongrid::Description);
        click("bDel");
        settle();
        QCOMPARE(vehicle().Weapons->Count(), 1);
        bodies << body();
        shown << results();

        checkStepsRoundTrip(bodies, shown);
        // The grid shows the design after each step back.
        for (int i = 0; i < 4; ++i)
            undo();
        QCOMPARE(vehicle().Weapons->Count(), 0);
        QVERIFY(!grid->isEnabled());
    }

    void perkEditsComeBackByteForByteAndStayBound()
    {
        window().PageControl()->setCurrentIndex(2);
        driver::Enter(find("eCrew"), QStringLiteral("4"));
        settle();
        QList<Body> bodies{body()};
        auto *perks = find<QListWidget>("lbPerks");
        perks->setCurrentRow(2); // "Passenger Seating": rating from the people aboard
        click("Button11");
        settle();
        bodies << body();
        perks->setCurrentRow(0);
        click("Button11");
        settle();
        bodies << body();
        find<QTableWidget>("sgP")->setCurrentCell(0, 0);
        click("bp1");
        settle();
        bodies << body();
        QCOMPARE(vehicle().Perks->Count(), 1);
        QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo Perks change"));
        for (int i = 2; i >= 0; --i) {
            undo();
            QVERIFY(body() == bodies[i]);
        }
        redo();
        QVERIFY(body() == bodies[1]);
        // The restored list still reads this design's figures (crew 4 aboard).
        QCOMPARE(vehicle().Perks->VehicleData().People, PerkVehicleData(vehicle()).People);
        QVERIFY(vehicle().Perks->VehicleData().People >= 4);
    }

    void typingInOneBoxIsOneStep()
    {
        QLineEdit *height = find("eHeight");
        height->setFocus();
        QTRY_VERIFY(height->hasFocus());
        for (const char key : {'1', '2', '5'}) {
            QTest::keyClick(height, key);
            settle();
        }
        QCOMPARE(vehicle().Height, std::string("125"));
        QCOMPARE(stack().count(), 1);
        QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo Height change"));

        // Another box is another step, and so is coming back to the first one.
        find("eWidth")->setFocus();
        QTRY_VERIFY(find("eWidth")->hasFocus());
        QTest::keyClick(find("eWidth"), '4');
        settle();
        height->setFocus();
        QTRY_VERIFY(height->hasFocus());
        QTest::keyClick(height, Qt::Key_End);
        QTest::keyClick(height, '0');
        settle();
        QCOMPARE(stack().count(), 3);

        undo();
        QCOMPARE(vehicle().Height, std::string("125"));
        undo();
        QCOMPARE(vehicle().Width, std::string());
        undo();
        QCOMPARE(vehicle().Height, std::string());
        QCOMPARE(height->text(), QString());

        // Typed and typed back within one step: nothing is left to undo.
        height->setFocus();
        QTRY_VERIFY(height->hasFocus());
        QTest::keyClick(height, '9');
        settle();
        QTest::keyClick(height, Qt::Key_Backspace);
        settle();
        QCOMPARE(stack().count(), 0);
        QVERIFY(!action("Undo1")->isEnabled());
    }

    void savedStateClearsModifiedAgain()
    {
        const int32_t armor = vehicle().Armor; // as the constraints leave a new design
        driver::Enter(find("eArmor"), QStringLiteral("3"));
        settle();
        savedFile("clean.vkd");
        QVERIFY(!vehicle().Modified);
        driver::Enter(find("eArmor"), QStringLiteral("5"));
        settle();
        QVERIFY(vehicle().Modified);
        undo();
        QCOMPARE(vehicle().Armor, 3);
        QVERIFY(!vehicle().Modified); // back at what the file holds
        undo();
        QCOMPARE(vehicle().Armor, armor);
        QVERIFY(vehicle().Modified); // before the saved state
        redo();
        QVERIFY(!vehicle().Modified);
        redo();
        QVERIFY(vehicle().Modified);
        QVERIFY(m_editor.dialogs->questions.isEmpty());
    }

    void valueBeingTypedIsSavedAsPartOfTheSavedState()
    {
        const int32_t armor = vehicle().Armor;
        QLineEdit *box = find("eArmor");
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        driver::Type(box, QStringLiteral("6"));
        // Save takes the value still being typed; it belongs before the clean state.
        savedFile("typed.vkd");
        QCOMPARE(vehicle().Armor, 6);
        QVERIFY(!vehicle().Modified);
        QCOMPARE(stack().count(), 1);
        QVERIFY(stack().isClean());
        undo();
        QCOMPARE(vehicle().Armor, armor);
        QVERIFY(vehicle().Modified);
    }

    void newOpenAndRevertClearTheHistory()
    {
        driver::Enter(find("eArmor"), QStringLiteral("4"));
        settle();
        const QString file = savedFile("revert.vkd");
        const Body saved = body();
        driver::Enter(find("eArmor"), QStringLiteral("9"));
        settle();
        QCOMPARE(stack().count(), 2);

        // Revert asks first; No keeps everything.
        m_editor.dialogs->answers = {TDialogAnswer::No};
        action("RevertToSaved1")->trigger();
        QCOMPARE(vehicle().Armor, 9);
        m_editor.dialogs->answers = {TDialogAnswer::Yes};
        action("RevertToSaved1")->trigger();
        settle();
        QVERIFY(body() == saved);
        QVERIFY(!vehicle().Modified);
        QCOMPARE(stack().count(), 0);
        QCOMPARE(find("eArmor")->text(), QStringLiteral("4"));

        driver::Enter(find("eArmor"), QStringLiteral("8"));
        settle();
        m_editor.dialogs->answers = {TDialogAnswer::No};
        action("New1")->trigger();
        settle();
        QCOMPARE(stack().count(), 0);
        QVERIFY(!action("Undo1")->isEnabled());
        QVERIFY(!vehicle().Modified);

        driver::Enter(find("eArmor"), QStringLiteral("2"));
        settle();
        m_editor.dialogs->answers = {TDialogAnswer::No};
        m_editor.dialogs->paths = {file};
        action("Open1")->trigger();
        settle();
        QCOMPARE(stack().count(), 0);
        QCOMPARE(vehicle().Armor, 4);
        // The first change after opening goes back to the opened design exactly.
        driver::Enter(find("eArmor"), QStringLiteral("11"));
        settle();
        undo();
        QVERIFY(body() == saved);
        QVERIFY(!vehicle().Modified);
    }

    void revertWithoutAFileDoesNothing()
    {
        driver::Enter(find("eArmor"), QStringLiteral("4"));
        settle();
        emit find<QMenu>("File1")->aboutToShow();
        QVERIFY(!action("RevertToSaved1")->isEnabled());
        action("RevertToSaved1")->trigger();
        QCOMPARE(vehicle().Armor, 4);
        QVERIFY(m_editor.dialogs->questions.isEmpty());
    }

    void changeLineShowsTheMoveOfEachEditAndUndo()
    {
        QCOMPARE(label("lblChange"), QString());
        driver::Enter(find("eArmor"), QStringLiteral("10"));
        settle();
        const QString afterEdit = label("lblChange");
        QVERIFY2(afterEdit.startsWith(QStringLiteral("TV ")) && afterEdit.contains(QStringLiteral("(+")),
                 qPrintable(afterEdit));
        undo();
        const QString afterUndo = label("lblChange");
        QVERIFY2(afterUndo.contains(QStringLiteral("(-")), qPrintable(afterUndo));
        QVERIFY(afterUndo.startsWith(QStringLiteral("TV ") + label("lblTV") + QStringLiteral(" (")));
    }

    void changeTextFormatsBothMoves()
    {
        TUndoState from;
        from.ThreatValue = 1178.0;
        from.FinalCost = 10000.0L;
        TUndoState to = from;
        to.ThreatValue = 1234.0;
        to.FinalCost = 9990.5L;
        to.CurrencyName = "Cr ";
        QCOMPARE(ResultChangeText(from, to), QStringLiteral("TV 1,234.0 (+56.0)   Final Cost 9,990.50 Cr (-9.50)"));
        // A move too small for the shown decimals is no move.
        to.ThreatValue = 1178.04;
        to.FinalCost = 10000.004L;
        to.CurrencyName.clear();
        QCOMPARE(ResultChangeText(from, to), QStringLiteral("TV 1,178.0 (no change)   Final Cost 10,000.00 (no change)"));
        NumberSeparators european{'.', ','};
        to.ThreatValue = 1000.0;
        QCOMPARE(ResultChangeText(from, to, european),
                 QStringLiteral("TV 1.000,0 (-178,0)   Final Cost 10.000,00 (no change)"));
    }

    void changeNamesPreferWhatTheUserChanged()
    {
        const auto name = [](std::initializer_list<const char *> paths) {
            TDesignDifferences differences;
            for (const char *path : paths)
                differences.push_back({path, "a", "b"});
            return UndoChangeName(differences);
        };
        QCOMPARE(name({"Armor"}), QStringLiteral("Armor change"));
        QCOMPARE(name({"Armor", "SensorRating"}), QStringLiteral("Sensor Rating change"));
        QCOMPARE(name({"Crew", "Armor"}), QStringLiteral("Crew change"));
        QCOMPARE(name({"FinalSize", "weapons[1].links[0]"}), QStringLiteral("Weapons change"));
        QCOMPARE(name({"CustomProduction.CustomName"}), QStringLiteral("Custom Production change"));
        QCOMPARE(name({}), QStringLiteral("Change"));
    }

    void restoreKeepsTheDesignsOwnState()
    {
        TVehicle source;
        source.Name = "Source";
        source.Crew = 5;
        source.CustomProduction.CustomName = "Hand built";
        source.Perks->Add(TPerkTestLibraries::Perk(2));
        source.Movement->Add(m_editor.data->library.Get(0));
        const TDesignSnapshot snapshot = TakeSnapshot(source);

        TVehicle target;
        target.FileName = "/somewhere/target.vkd";
        target.Modified = true;
        target.FileVersion = 6;
        target.Flaws->Add(TPerkTestLibraries::Flaw(1));
        const TPerkList *perks = target.Perks.get();
        RestoreSnapshot(target, snapshot);

        QCOMPARE(target.Name, std::string("Source"));
        QCOMPARE(target.Crew, 5);
        QCOMPARE(target.CustomProduction.CustomName, std::string("Hand built"));
        QCOMPARE(target.Flaws->Count(), 0);
        QCOMPARE(target.Movement->Count(), 1);
        QCOMPARE(target.FileName, std::string("/somewhere/target.vkd"));
        QVERIFY(target.Modified);
        QCOMPARE(target.FileVersion, 6);
        QVERIFY(target.Perks.get() == perks);
        // Bound to the target, not to the copy the snapshot was read into.
        target.Crew = 9;
        QCOMPARE(target.Perks->VehicleData().CrewValue, PerkVehicleData(target).CrewValue);
        QCOMPARE(target.Perks->VehicleData().CrewValue, 9);
        QVERIFY(TakeSnapshot(target) != snapshot);
        target.Crew = 5;
        QVERIFY(TakeSnapshot(target).Body == snapshot.Body);
    }
};

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
