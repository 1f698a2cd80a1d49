// Undo and redo of design edits: each kind of edit comes back byte for byte, typing in one
// box is one step, the saved state clears the Modified flag, New/Open/Revert reset the
// history, and the change line reports the threat value and cost moves.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"
#include "support/PerkTestLibraries.h"
#include "tests/support/SampleRecords.h"

#include "base/Stream.h"
#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "ui/MainWindow.h"
#include "ui/document/UndoChangeText.h"
#include "ui/document/UndoHistory.h"
#include "ui/document/UndoSnapshot.h"
#include "ui/document/UndoStep.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/WeaponGridRows.h"
#include "ui/pages/WeaponLibraries.h"
#include "ui/widgets/SpinButton.h"
#include "weapons/WeaponList.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace aw {

namespace {

using Body = std::vector<uint8_t>;

// Saves a picture of a widget when AW_SCREENSHOT_DIR names a folder (to look at the result).
void Screenshot(const QPixmap &picture, const char *name)
{
    const QString folder = qEnvironmentVariable("AW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

WeaponRecord Cannon(const char *code, int32_t rating)
{
    WeaponRecord r = DefaultWeaponRecord();
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
    std::unique_ptr<MemoryWeaponLibraries> m_weapons;
    std::unique_ptr<PerkTestLibraries> m_perks;
    EditorFixture m_editor;
    QList<Body> m_bodies;
    QList<QStringList> m_shown;

    Vehicle &vehicle() { return m_editor.Design(); }
    MainWindow &window() { return *m_editor.Window; }
    QUndoStack &stack() { return *window().History()->Stack(); }
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
        Stream stream;
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
    // Lets the history record the change its handler reported, and notes the state.
    void record()
    {
        QCoreApplication::processEvents();
        m_bodies << body();
        m_shown << results();
    }
    void undo()
    {
        action("undoAction")->trigger();
        QCoreApplication::processEvents();
    }
    void redo()
    {
        action("redoAction")->trigger();
        QCoreApplication::processEvents();
    }
    void click(const char *name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void enter(const char *box, const QString &text)
    {
        driver::Enter(find(box), text);
        QCoreApplication::processEvents();
    }
    void typeKey(QLineEdit *box, int key)
    {
        QTest::keyClick(box, static_cast<Qt::Key>(key));
        QCoreApplication::processEvents();
    }
    void focus(QWidget *box)
    {
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QCoreApplication::processEvents(); // the box left has committed
    }
    QString saveAs(const char *name)
    {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        m_editor.Dialogs->paths = {path};
        action("saveAsAction")->trigger();
        QCoreApplication::processEvents();
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_folder.filePath(QStringLiteral("settings")));
    }

    void init()
    {
        m_weapons = std::make_unique<MemoryWeaponLibraries>();
        m_weapons->WeaponLibrary(0).Add(Cannon("LC", 100));
        m_weapons->WeaponLibrary(0).Add(Cannon("HC", 300));
        SetWeaponLibraries(m_weapons.get());
        m_perks = std::make_unique<PerkTestLibraries>();
        QVERIFY(m_editor.Start());
        m_bodies.clear();
        m_shown.clear();
        record();
    }

    void cleanup()
    {
        m_editor.Stop();
        m_perks.reset();
        SetWeaponLibraries(nullptr);
        m_weapons.reset();
    }

    void editMenuNamesTheChange()
    {
        QVERIFY(!action("undoAction")->isEnabled());
        QCOMPARE(action("undoAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(action("redoAction")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(action("redoAction")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        const QString shown = find("eArmor")->text();
        enter("eArmor", QStringLiteral("7"));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Armor change"));

        auto *edit = find<QMenu>("editMenu");
        edit->popup(window().mapToGlobal(QPoint(60, window().menuBar()->height())));
        QTRY_VERIFY(edit->isVisible());
        QPixmap shot = window().grab();
        {
            QPainter painter(&shot);
            painter.drawPixmap(window().mapFromGlobal(edit->pos()), edit->grab());
        }
        Screenshot(shot, "edit-menu.png");
        edit->hide();

        undo();
        QCOMPARE(action("redoAction")->text(), QStringLiteral("&Redo Armor change"));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo"));
        QCOMPARE(find("eArmor")->text(), shown);
    }

    // The Edit menu's keys in a text box: the box's own typing first, then the design's changes.
    void undoKeysInATextBoxReachTheDesignWhenTheBoxHasNothingToUndo()
    {
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        const QString armor = find("eArmor")->text();
        enter("eArmor", QStringLiteral("7"));
        QLineEdit *crew = find("eCrew");
        const QString shownCrew = crew->text();
        const auto press = [this](QWidget *box, Qt::Key key) {
            focus(box);
            QTest::keyClick(box, key, Qt::ControlModifier);
            QCoreApplication::processEvents();
        };
        press(crew, Qt::Key_Z);
        QCOMPARE(find("eArmor")->text(), armor);
        press(crew, Qt::Key_Y);
        QCOMPARE(find("eArmor")->text(), QStringLiteral("7"));

        focus(crew);
        QTest::keyClicks(crew, QStringLiteral("5"));
        press(crew, Qt::Key_Z);
        QCOMPARE(crew->text(), shownCrew);
        QCOMPARE(find("eArmor")->text(), QStringLiteral("7"));

        // Typing from before the box last took the focus is committed (perhaps saved): the
        // keys undo the design's last change, in the name box and in a notes memo alike.
        QLineEdit *name = find("eName");
        focus(name);
        QTest::keyClicks(name, QStringLiteral("Tank"));
        QLineEdit *armorBox = find("eArmor");
        focus(armorBox);
        driver::Type(armorBox, QStringLiteral("8"));
        press(name, Qt::Key_Z);
        QCOMPARE(armorBox->text(), QStringLiteral("7"));
        QCOMPARE(name->text(), QStringLiteral("Tank"));
        window().PageControl()->setCurrentIndex(3);
        auto *memo = find<QPlainTextEdit>("descriptionMemo");
        focus(memo);
        QTest::keyClicks(memo, QStringLiteral("Old"));
        focus(name);
        driver::Type(name, QStringLiteral("Tankette"));
        press(memo, Qt::Key_Z);
        QCOMPARE(name->text(), QStringLiteral("Tank"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Old"));
    }

    void fieldNamesReadTheSameInEveryLocale()
    {
        // The suite also runs under tr_TR.UTF-8, where the C library's toupper('i') is 'i'.
        QCOMPARE(FieldWords("itemCount"), QStringLiteral("Item Count"));
        QCOMPARE(FieldWords("CustomProduction"), QStringLiteral("Custom Production"));
    }

    // A number, a movement system, weapons added, modified and removed, perks added and
    // removed: undoing each gives back the design body and the results shown before it.
    void everyKindOfEditComesBackByteForByte()
    {
        enter("eArmor", QStringLiteral("12"));
        record();
        auto *mode = find<QComboBox>("cbxPriMode");
        mode->setCurrentIndex(mode->findText(QStringLiteral("Ground")));
        emit mode->activated(mode->currentIndex());
        record();
        enter("ePriTopMP", QStringLiteral("20"));
        record();

        window().PageControl()->setCurrentIndex(1);
        for (int row : {0, 1}) {
            find<QTableWidget>("sg0")->setCurrentCell(row, 0);
            click("addWeaponButton");
            record();
        }
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Weapons change"));
        auto *grid = find<QTableView>("weaponGrid");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, weapongrid::Items));
        QTest::keyClick(grid, Qt::Key_F2);
        QPointer<QLineEdit> cell = grid->viewport()->findChild<QLineEdit *>();
        QVERIFY(cell);
        cell->selectAll();
        QTest::keyClicks(cell, QStringLiteral("3"));
        QTest::keyClick(cell, Qt::Key_Return);
        QTRY_VERIFY(!cell || !cell->isVisible());
        record();
        QCOMPARE(vehicle().Weapons->Get(0).Data.NumberOfItems, 3);
        // A spare clip, then its shielded container: a change of its own, and one that later
        // steps keep, though the file has no field for it.
        grid->setCurrentIndex(grid->model()->index(0, weapongrid::Description));
        click("addClipButton");
        record();
        m_editor.Dialogs->modal = [](QDialog &dialog) {
            dialog.findChild<QAbstractButton *>(QStringLiteral("ammoStorageBox"))->click();
            return int(QDialog::Accepted);
        };
        click("modifyWeaponButton");
        record();
        const ClipList &clips = vehicle().Weapons->Get(0).Clips;
        QVERIFY(clips.Get(clips.Count() - 1).Shielded);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Weapons change"));
        grid->setCurrentIndex(grid->model()->index(1, weapongrid::Description));
        click("deleteWeaponButton");
        record();

        window().PageControl()->setCurrentIndex(2);
        for (int row : {2, 0}) {
            find<QListWidget>("lbPerks")->setCurrentRow(row);
            click("addPerkButton");
            record();
        }
        find<QTableWidget>("perkGrid")->setCurrentCell(0, 0);
        click("deletePerkButton");
        record();
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Perks change"));
        QCOMPARE(stack().count(), m_bodies.size() - 1);

        for (int i = static_cast<int>(m_bodies.size()) - 2; i >= 0; --i) {
            undo();
            QVERIFY2(body() == m_bodies[i], qPrintable(QStringLiteral("undo to state %1").arg(i)));
            QCOMPARE(results(), m_shown[i]);
        }
        QVERIFY(!find<QTableWidget>("perkGrid")->isEnabled()); // the page shows the design again
        for (int i = 1; i < m_bodies.size(); ++i) {
            redo();
            QVERIFY2(body() == m_bodies[i], qPrintable(QStringLiteral("redo to state %1").arg(i)));
            QCOMPARE(results(), m_shown[i]);
        }
    }

    // The picture, by far the largest field, is never copied: not into a step, nor into a
    // copy of the design; undo and redo still give back the whole body, long texts included,
    // also after typing in one.
    void aPictureIsSharedAndComesBackByteForByte()
    {
        vehicle().Picture = TinyBitmap(40, 30);
        const std::string description = std::string(3000, 'h') + "\r\n\xE9\r\n";
        vehicle().Description = description;
        window().Document().SetModified();
        record();
        const uint8_t *picture = vehicle().Picture.data();
        QVERIFY(CopyDesign(vehicle())->Picture.data() == picture);
        enter("eArmor", QStringLiteral("12"));
        record();

        undo();
        QVERIFY(body() == m_bodies[1]);
        QVERIFY(vehicle().Picture.data() == picture);
        undo();
        QVERIFY(body() == m_bodies[0]);
        redo();
        redo();
        QVERIFY(body() == m_bodies[2]);
        QVERIFY(vehicle().Picture.data() == picture);

        window().PageControl()->setCurrentIndex(3);
        auto *note = find<QPlainTextEdit>("descriptionMemo");
        focus(note);
        note->moveCursor(QTextCursor::End);
        QTest::keyClicks(note, QStringLiteral("ab"));
        QCoreApplication::processEvents();
        // The last letter typed over: the note is as long as the step before left it.
        QTest::keyClick(note, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClicks(note, QStringLiteral("c"));
        QCoreApplication::processEvents();
        QCOMPARE(stack().count(), 3);
        QCOMPARE(vehicle().Description, description + "ac");
        undo();
        QVERIFY(body() == m_bodies[2]);
        redo();
        QCOMPARE(vehicle().Description, description + "ac");
    }

    void typingInOneBoxIsOneStep()
    {
        QLineEdit *height = find("eHeight");
        focus(height);
        for (const int key : {Qt::Key_1, Qt::Key_2, Qt::Key_5})
            typeKey(height, key);
        QCOMPARE(stack().count(), 1);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Height change"));

        // Another box is another step, and so is coming back to the first one.
        focus(find("eWidth"));
        typeKey(find("eWidth"), Qt::Key_4);
        focus(height);
        typeKey(height, Qt::Key_End);
        typeKey(height, Qt::Key_0);
        QCOMPARE(stack().count(), 3);
        undo();
        QCOMPARE(vehicle().Height, std::string("125"));
        undo();
        undo();
        QCOMPARE(vehicle().Height, std::string());
        QCOMPARE(height->text(), QString());

        // Each Return commits a step of its own.
        QLineEdit *crew = find("eCrew");
        focus(crew);
        for (const int key : {Qt::Key_5, Qt::Key_6}) {
            crew->selectAll();
            typeKey(crew, key);
            typeKey(crew, Qt::Key_Return);
        }
        QCOMPARE(vehicle().Crew, 6);
        undo();
        QCOMPARE(vehicle().Crew, 5);
        undo();

        // Clicking a button twice is two steps.
        window().PageControl()->setCurrentIndex(2);
        for (int i = 0; i < 2; ++i) {
            window().findChild<QListWidget *>(QStringLiteral("lbPerks"))->setCurrentRow(i);
            click("addPerkButton");
            QCoreApplication::processEvents();
        }
        QCOMPARE(stack().count(), 2);
        // Keys that give commands in a list (Ctrl+Down moves a line) are no typing: a step each.
        auto *perks = window().findChild<QTableWidget *>(QStringLiteral("perkGrid"));
        focus(perks);
        perks->setCurrentCell(0, 0);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
            QTest::keyClick(perks, key, Qt::ControlModifier);
            QCoreApplication::processEvents();
        }
        QCOMPARE(stack().count(), 4);
        undo();
        undo();

        // Typed and typed back within one step: nothing is left to undo.
        window().PageControl()->setCurrentIndex(0);
        undo();
        undo();
        focus(height);
        typeKey(height, Qt::Key_9);
        typeKey(height, Qt::Key_Backspace);
        QCOMPARE(stack().count(), 0);
        QVERIFY(!action("undoAction")->isEnabled());
    }

    void savedStateClearsModifiedAgain()
    {
        // Save takes the value still being typed: it belongs before the saved state.
        QLineEdit *armor = find("eArmor");
        focus(armor);
        driver::Type(armor, QStringLiteral("3"));
        saveAs("clean.vkd");
        QCOMPARE(vehicle().Armor, 3);
        QVERIFY(!vehicle().Modified);
        QVERIFY(stack().isClean());
        enter("eArmor", QStringLiteral("5"));
        QVERIFY(vehicle().Modified);
        undo();
        QCOMPARE(vehicle().Armor, 3);
        QVERIFY(!vehicle().Modified); // back at what the file holds
        undo();
        QVERIFY(body() == m_bodies[0]);
        QVERIFY(vehicle().Modified); // before the saved state
        redo();
        QVERIFY(!vehicle().Modified);
        redo();
        QVERIFY(vehicle().Modified);
        QVERIFY(m_editor.Dialogs->questions.isEmpty());

        // A change that leaves the flag alone is a step all the same: Undo names and undoes it.
        undo();
        QVERIFY(!vehicle().Modified);
        click("btnPc"); // a custom perk to configure later
        QCoreApplication::processEvents();
        QVERIFY(!vehicle().Modified);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Perks change"));
        QVERIFY(!action("redoAction")->isEnabled());
        undo();
        QCOMPARE(vehicle().Perks->Count(), 0);
        QCOMPARE(vehicle().Armor, 3);
        redo(); // as the change left it
        QVERIFY(!vehicle().Modified);
    }

    // Changes that leave the flag alone are saved all the same: undoing a later step keeps
    // them, also one no handler reported.
    void unmarkedChangesStayBeforeTheSavedState()
    {
        enter("eField", QStringLiteral("abc"));
        QCOMPARE(stack().count(), 1);
        auto *sizeType = find<QComboBox>("cbSizeType");
        sizeType->setCurrentIndex(3);
        emit sizeType->activated(3);
        QCoreApplication::processEvents();
        QCOMPARE(stack().count(), 2);
        vehicle().History = "Rebuilt in the field.";
        saveAs("unmarked.vkd");
        const Body saved = body();
        driver::SpinUp(find<SpinButton>("crewSpin"));
        QCoreApplication::processEvents();
        undo();
        QVERIFY(body() == saved);
        QVERIFY(!vehicle().Modified);
        QCOMPARE(find("eField")->text(), QStringLiteral("abc"));
    }

    // Removing a system through the mode list asks first; the removal is a step.
    void removingAMovementSystemIsAStep()
    {
        auto *mode = find<QComboBox>("cbxSecMode");
        for (auto *box : {find<QComboBox>("cbxPriMode"), mode}) {
            box->setCurrentIndex(box->findText(QStringLiteral("Ground")));
            emit box->activated(box->currentIndex());
            QCoreApplication::processEvents();
        }
        saveAs("twosys.vkd");
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        mode->setCurrentIndex(0);
        emit mode->activated(0);
        QCoreApplication::processEvents();
        QCOMPARE(vehicle().Movement->Count(), 1);
        QCOMPARE(stack().count(), 3);
        QVERIFY(vehicle().Modified);
        undo();
        QCOMPARE(vehicle().Movement->Count(), 2);
        QVERIFY(!vehicle().Modified);
    }

    void newOpenAndRevertClearTheHistory()
    {
        // Without a file there is nothing to revert to.
        emit find<QMenu>("fileMenu")->aboutToShow();
        QVERIFY(!action("revertToSavedAction")->isEnabled());
        enter("eArmor", QStringLiteral("4"));
        const QString file = saveAs("revert.vkd");
        const Body saved = body();
        emit find<QMenu>("fileMenu")->aboutToShow();
        QVERIFY(action("revertToSavedAction")->isEnabled());
        enter("eArmor", QStringLiteral("9"));

        // Revert asks first; No keeps everything.
        m_editor.Dialogs->answers = {DialogAnswer::No, DialogAnswer::Yes};
        action("revertToSavedAction")->trigger();
        QCOMPARE(vehicle().Armor, 9);
        action("revertToSavedAction")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(body() == saved);
        QVERIFY(!vehicle().Modified);
        QCOMPARE(stack().count(), 0);
        QCOMPARE(find("eArmor")->text(), QStringLiteral("4"));

        enter("eArmor", QStringLiteral("8"));
        m_editor.Dialogs->answers = {DialogAnswer::No};
        action("newAction")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(stack().count(), 0);

        enter("eArmor", QStringLiteral("2"));
        m_editor.Dialogs->answers = {DialogAnswer::No};
        m_editor.Dialogs->paths = {file};
        action("openAction")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(stack().count(), 0);
        // The first change after opening goes back to the opened design exactly.
        enter("eArmor", QStringLiteral("11"));
        undo();
        QVERIFY(body() == saved);
        QVERIFY(!vehicle().Modified);
    }

    void changeLineShowsEachMove()
    {
        QCOMPARE(label("lblChange"), QString());
        enter("eArmor", QStringLiteral("10"));
        QVERIFY2(label("lblChange").contains(QStringLiteral("(+")), qPrintable(label("lblChange")));
        undo();
        QVERIFY(label("lblChange").startsWith(QStringLiteral("TV ") + label("lblTV") + QStringLiteral(" (-")));

        UndoState from;
        from.ThreatValue = 1178.0;
        from.FinalCost = 10000.0L;
        UndoState to = from;
        to.ThreatValue = 1234.0;
        to.FinalCost = 9990.5L;
        to.CurrencyName = "Cr ";
        QCOMPARE(ResultChangeText(from, to), QStringLiteral("TV 1234.0 (+56.0)   Final Cost 9,990.50 Cr (-9.50)"));
        // A move too small for the shown decimals is no move.
        to.ThreatValue = 1178.04;
        to.FinalCost = 10000.004L;
        QCOMPARE(ResultChangeText(from, to, {'.', ','}),
                 QStringLiteral("TV 1178,0 (no change)   Final Cost 10.000,00 Cr (no change)"));
    }

    void changeNamesPreferWhatTheUserChanged()
    {
        const auto name = [](std::initializer_list<const char *> paths) {
            return UndoChangeName(std::vector<std::string>(paths.begin(), paths.end()));
        };
        QCOMPARE(name({"Armor", "SensorRating"}), QStringLiteral("Sensor Rating change"));
        QCOMPARE(name({"Crew", "Armor"}), QStringLiteral("Crew change"));
        QCOMPARE(name({"FinalSize", "weapons[1].links[0]"}), QStringLiteral("Weapons change"));
    }

    void restoreKeepsTheDesignsOwnState()
    {
        Vehicle source;
        source.Crew = 5;
        source.CustomProduction.CustomName = "Hand built";
        source.History = "Built in a barn.";
        source.Perks->Add(PerkTestLibraries::Perk(2));
        const DesignSnapshot snapshot = TakeSnapshot(source);

        Vehicle target;
        target.FileName = "/somewhere/target.vkd";
        target.Modified = true;
        target.FileVersion = 6;
        target.Flaws->Add(PerkTestLibraries::Flaw(1));
        const PerkList *perks = target.Perks.get();
        RestoreSnapshot(target, snapshot);
        QCOMPARE(target.CustomProduction.CustomName, std::string("Hand built"));
        QCOMPARE(target.Flaws->Count(), 0);
        QCOMPARE(target.FileName, std::string("/somewhere/target.vkd"));
        QVERIFY(target.Modified);
        QCOMPARE(target.FileVersion, 6);
        QCOMPARE(CopyDesign(target)->FileVersion, 6);
        QVERIFY(TakeSnapshot(target) == snapshot);
        // The same list, bound to the target, not to the copy the snapshot was read into.
        QVERIFY(target.Perks.get() == perks);
        target.Crew = 9;
        QCOMPARE(target.Perks->VehicleData().CrewValue, 9);

        // A later state keeps the one copy of a long text it leaves alone, and only that.
        source.Crew = 6;
        const DesignSnapshot next = TakeSnapshot(source, snapshot);
        QVERIFY(next.LongTexts[1].SharesWith(snapshot.LongTexts[1]));
        QVERIFY(!next.Body.SharesWith(snapshot.Body));
    }
};

} // namespace aw

QTEST_MAIN(aw::UndoTest)
#include "tst_undo.moc"
