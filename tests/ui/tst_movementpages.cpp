// The Primary, Secondary and More tabs and the movement editor dialog.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/Vehicle.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/MovementEditorDialog.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/GeneralPage.h"
#include "ui/pages/MovementPages.h"
#include "ui/widgets/SpinButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace aw {

class MovementPagesTest : public QObject {
    Q_OBJECT

private:
    EditorFixture m_editor;

    Vehicle &vehicle() { return m_editor.Design(); }
    MovementList &movement() { return *vehicle().Movement; }
    template <typename T = QLineEdit> T *find(const char *name)
    {
        T *control = m_editor.Window->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    void choose(const char *comboName, const QString &item)
    {
        auto *combo = find<QComboBox>(comboName);
        const int index = combo->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Puts systems straight into the design and shows them.
    void setSystems(std::initializer_list<const char *> modes)
    {
        movement().Clear();
        for (const char *mode : modes) {
            for (int i = 0; i < m_editor.Data->library.Count(); ++i) {
                if (m_editor.Data->library.ModeName(i) == mode)
                    movement().Add(m_editor.Data->library.Get(i));
            }
        }
        m_editor.Window->ShowMovement();
    }
    QListWidget *list() { return find<QListWidget>("lbMov"); }

private slots:
    void init() { QVERIFY(m_editor.Start()); }

    void cleanup() { m_editor.Stop(); }

    void modeListIsNoneThenTheLibrary()
    {
        auto *mode = find<QComboBox>("cbxPriMode");
        QCOMPARE(mode->count(), 9);
        QCOMPARE(mode->itemText(0), QStringLiteral("<None>"));
        QCOMPARE(mode->itemText(8), QStringLiteral("Flight"));
        QCOMPARE(mode->currentIndex(), -1);
        QVERIFY(!find<QComboBox>("cbxSecMode")->isEnabled());
        QVERIFY(!find("ePriTopKPH")->isEnabled());
        QVERIFY(!find<QPushButton>("btnMovNew")->isEnabled());
    }

    void choosingAModeAddsThePrimarySystem()
    {
        choose("cbxPriMode", QStringLiteral("Ground"));
        QCOMPARE(movement().Count(), 1);
        QCOMPARE(movement().ModeName(0), std::string("Ground"));
        QVERIFY(vehicle().Modified);
        QVERIFY(find<QComboBox>("cbxSecMode")->isEnabled());
        QVERIFY(find("ePriTopKPH")->isEnabled());
        choose("cbxSecMode", QStringLiteral("Hover"));
        QCOMPARE(movement().Count(), 2);
        QCOMPARE(movement().ModeName(1), std::string("Hover"));
        QVERIFY(find<QPushButton>("btnMovNew")->isEnabled());
    }

    void speedTypedInMovementPoints_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<double>("kph");
        QTest::newRow("flying") << QStringLiteral("Flight") << 6000.0;
        QTest::newRow("ground") << QStringLiteral("Ground") << 1200.0;
    }

    void speedTypedInMovementPoints()
    {
        QFETCH(QString, mode);
        QFETCH(double, kph);
        choose("cbxPriMode", mode);
        driver::Enter(find("ePriTopMP"), QStringLiteral("200"));
        QCOMPARE(movement().TopSpeed(0), kph);
        QCOMPARE(find("ePriTopMP")->text(), QStringLiteral("200"));
        QCOMPARE(find("ePriComMP")->text(), QStringLiteral("100"));
        // The rounded MP typed as shown stores its whole speed.
        driver::Enter(find("ePriTopKPH"), QString::number(kph + 2));
        QCOMPARE(find("ePriTopMP")->text(), QStringLiteral("200"));
        driver::Enter(find("ePriTopMP"), QStringLiteral("200"));
        QCOMPARE(movement().TopSpeed(0), kph);
    }

    void topSpeedIsCappedAt10002()
    {
        choose("cbxPriMode", QStringLiteral("Ground"));
        driver::Enter(find("ePriTopKPH"), QStringLiteral("20000"));
        QCOMPARE(movement().TopSpeed(0), 10002.0);
        QCOMPARE(find("ePriTopKPH")->text(), QStringLiteral("10002"));
        driver::Enter(find("ePriTopMP"), QStringLiteral("5000"));
        QCOMPARE(movement().TopSpeed(0), 10002.0);
        driver::Enter(find("ePriTopKPH"), QStringLiteral("fast"));
        QCOMPARE(movement().TopSpeed(0), 10002.0);
    }

    // The MP boxes show rounded speeds: leaving boxes nobody typed in must not store them.
    void leavingUntypedBoxesKeepsTheSpeeds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("ground") << QStringLiteral("Ground");
        QTest::newRow("flying") << QStringLiteral("Flight");
    }

    void leavingUntypedBoxesKeepsTheSpeeds()
    {
        QFETCH(QString, mode);
        choose("cbxPriMode", mode);
        driver::Enter(find("ePriTopKPH"), QStringLiteral("100"));
        if (!find("ePriStallKPH")->isReadOnly())
            driver::Enter(find("ePriStallKPH"), QStringLiteral("50"));
        const double stall = movement().StallSpeed(0);
        vehicle().Modified = false;
        for (const char *box : {"ePriTopKPH", "ePriTopMP", "ePriStallMP", "ePriStallKPH", "ePriMan"})
            driver::Leave(find(box));
        QCOMPARE(movement().TopSpeed(0), 100.0);
        QCOMPARE(movement().StallSpeed(0), stall);
        QVERIFY(!vehicle().Modified);
    }

    // The mode list reports a choice also for the item already shown; that changes nothing.
    void choosingTheShownModeAgainKeepsTheSystem()
    {
        choose("cbxPriMode", QStringLiteral("Ground"));
        driver::Enter(find("ePriTopKPH"), QStringLiteral("100"));
        driver::Enter(find("ePriMan"), QStringLiteral("-2"));
        vehicle().Modified = false;
        choose("cbxPriMode", QStringLiteral("Ground"));
        QCOMPARE(movement().TopSpeed(0), 100.0);
        QCOMPARE(movement().Maneuver(0), -2);
        QVERIFY(!vehicle().Modified);
        choose("cbxPriMode", QStringLiteral("Hover"));
        QCOMPARE(movement().ModeName(0), std::string("Hover"));
        QCOMPARE(movement().Maneuver(0), 0);
        choose("cbxPriMode", QStringLiteral("Custom"));
        driver::Enter(find("ePriTopKPH"), QStringLiteral("70"));
        choose("cbxPriMode", QStringLiteral("Custom"));
        QCOMPARE(movement().TopSpeed(0), 70.0);
    }

    void stallAboveTopIsShownAsTheTop()
    {
        choose("cbxPriMode", QStringLiteral("Flight"));
        QVERIFY(!find("ePriStallKPH")->isReadOnly());
        driver::Enter(find("ePriTopKPH"), QStringLiteral("300"));
        driver::Enter(find("ePriStallKPH"), QStringLiteral("500"));
        QCOMPARE(find("ePriStallKPH")->text(), QStringLiteral("300"));
        QCOMPARE(movement().StallSpeed(0), 300.0);
        driver::Enter(find("ePriStallMP"), QStringLiteral("2"));
        QCOMPARE(movement().StallSpeed(0), 60.0);
        {
            const driver::GermanLocale german;
            driver::Enter(find("ePriStallKPH"), QStringLiteral("62,5"));
            QCOMPARE(movement().StallSpeed(0), 62.5);
            QCOMPARE(find("ePriStallKPH")->text(), QStringLiteral("62.5"));
        }
        choose("cbxPriMode", QStringLiteral("Walker"));
        QVERIFY(find("ePriStallKPH")->isReadOnly());
    }

    void maneuverStaysAtOrBelowZero()
    {
        choose("cbxPriMode", QStringLiteral("Ground"));
        driver::Enter(find("ePriMan"), QStringLiteral("3"));
        QCOMPARE(movement().Maneuver(0), 0);
        driver::SpinDown(find<SpinButton>("sbPriMan"));
        driver::SpinDown(find<SpinButton>("sbPriMan"));
        QCOMPARE(movement().Maneuver(0), -2);
        driver::SpinUp(find<SpinButton>("sbPriMan"));
        driver::SpinUp(find<SpinButton>("sbPriMan"));
        driver::SpinUp(find<SpinButton>("sbPriMan"));
        QCOMPARE(movement().Maneuver(0), 0);
    }

    void flightCheckBoxOnlyForModesThatMayFly()
    {
        choose("cbxPriMode", QStringLiteral("Walker"));
        QVERIFY(find<QCheckBox>("cbxPriAir")->isHidden());
        QVERIFY(!find<QLabel>("lblPriAir")->isHidden());
        QVERIFY(!find<QLabel>("lblPriAir")->isEnabled());
        choose("cbxPriMode", QStringLiteral("Custom"));
        QVERIFY(!find<QCheckBox>("cbxPriAir")->isHidden());
        QTest::mouseClick(find<QCheckBox>("cbxPriAir"), Qt::LeftButton);
        QVERIFY(movement().Flight(0));
        driver::Enter(find("ePriTopMP"), QStringLiteral("10"));
        QCOMPARE(movement().TopSpeed(0), 300.0);
    }

    void customModeNameIsTypedAndCut()
    {
        choose("cbxPriMode", QStringLiteral("Custom"));
        auto *mode = find<QComboBox>("cbxPriMode");
        QVERIFY(mode->isEditable());
        // Typed with the focus in the box and left with the Tab key, as a player does.
        m_editor.Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.Window.get()));
        mode->setFocus(Qt::TabFocusReason);
        mode->lineEdit()->selectAll();
        QTest::keyClicks(mode->lineEdit(), QString(40, QLatin1Char('M')));
        QTest::keyClick(mode, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != mode);
        QCOMPARE(movement().ModeName(0), std::string(32, 'M'));
        QCOMPARE(mode->currentText(), QString(32, QLatin1Char('M')));

        // A name a library mode starts with, or has, stays the custom mode's name, with its
        // speeds and flight, whether Return or only Tab ends the typing.
        QTest::mouseClick(find<QCheckBox>("cbxPriAir"), Qt::LeftButton);
        driver::Enter(find("ePriTopKPH"), QStringLiteral("77"));
        for (const QString &typed : {QStringLiteral("Nav"), QStringLiteral("hover"), QStringLiteral("Ground")}) {
            for (const bool withReturn : {true, false}) {
                mode->setFocus(Qt::TabFocusReason);
                mode->lineEdit()->selectAll();
                QTest::keyClicks(mode->lineEdit(), typed);
                if (withReturn)
                    QTest::keyClick(mode->lineEdit(), Qt::Key_Return);
                QTest::keyClick(mode, Qt::Key_Tab);
                QVERIFY(movement().Get(0).CustomMode);
                QCOMPARE(QString::fromStdString(movement().ModeName(0)), typed);
                QCOMPARE(movement().TopSpeed(0), 77.0);
                QVERIFY(movement().Flight(0));
            }
        }
    }

    void removingThePrimaryOfThreeSystems()
    {
        setSystems({"Walker", "Ground", "Hover"});
        m_editor.Dialogs->answers = {DialogAnswer::No};
        choose("cbxPriMode", QStringLiteral("<None>"));
        QCOMPARE(movement().Count(), 3);
        QCOMPARE(find<QComboBox>("cbxPriMode")->currentText(), QStringLiteral("Walker"));

        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        choose("cbxPriMode", QStringLiteral("<None>"));
        QCOMPARE(m_editor.Dialogs->questions.last(),
                 QStringLiteral("Do you wish to remove the primary movement system?"));
        QCOMPARE(movement().Count(), 2);
        QCOMPARE(find<QComboBox>("cbxPriMode")->currentText(), QStringLiteral("Ground"));
        QCOMPARE(find<QComboBox>("cbxSecMode")->currentText(), QStringLiteral("Hover"));
        QCOMPARE(list()->count(), 0);
        QVERIFY(!list()->isEnabled());
    }

    void removingTheSecondarySystem()
    {
        setSystems({"Walker", "Ground", "Hover"});
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        choose("cbxSecMode", QStringLiteral("<None>"));
        QCOMPARE(m_editor.Dialogs->questions.last(),
                 QStringLiteral("Do you wish to remove the Secondary movement system?"));
        QCOMPARE(movement().Count(), 2);
        QCOMPARE(movement().ModeName(1), std::string("Hover"));
    }

    void unknownModeOfAnOpenedDesignJoinsTheList()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("crawler.vkd"));
        {
            Vehicle design;
            MovementRecord crawler = MemoryProgramData::Mode("Steam Crawler", false, false, false, false);
            crawler.TopSpeed = 30;
            design.Movement->Add(crawler);
            SaveDesignFile(design, path.toStdString());
        }
        m_editor.Dialogs->paths = {path};
        m_editor.Window->OpenDesign();
        QVERIFY(m_editor.Dialogs->errors.isEmpty());
        auto *mode = find<QComboBox>("cbxPriMode");
        QCOMPARE(mode->currentText(), QStringLiteral("Steam Crawler"));
        QCOMPARE(mode->count(), 10);
        QCOMPARE(m_editor.Data->library.Count(), 9);
        QCOMPARE(m_editor.Data->library.ModeName(8), std::string("Steam Crawler"));

        // It can be chosen again after a new design.
        m_editor.Window->NewDesign();
        choose("cbxPriMode", QStringLiteral("Steam Crawler"));
        QCOMPARE(movement().ModeName(0), std::string("Steam Crawler"));
        QCOMPARE(m_editor.Data->library.Count(), 9);
    }

    void moreTabListsTheAdditionalSystems()
    {
        setSystems({"Walker", "Ground"});
        QTest::mouseClick(find<QPushButton>("btnMovNew"), Qt::LeftButton);
        QCOMPARE(movement().Count(), 3);
        QCOMPARE(movement().ModeName(2), std::string("Custom"));
        QCOMPARE(list()->count(), 1);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(list()->item(0)->text(), QString::fromStdString(movement().SummaryText(2)));
        QTest::mouseClick(find<QPushButton>("btnMovNew"), Qt::LeftButton);
        QCOMPARE(list()->currentRow(), 1);
    }

    void buttonsDoNothingWithoutASelection()
    {
        setSystems({"Walker", "Ground", "Hover", "Naval"});
        QCOMPARE(list()->count(), 2);
        QCOMPARE(list()->currentRow(), -1);
        vehicle().Modified = false;
        QTest::mouseClick(find<QPushButton>("btnMovDelete"), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>("btnMovEdit"), Qt::LeftButton);
        driver::SpinDown(find<SpinButton>("sbtnMov"));
        driver::SpinUp(find<SpinButton>("sbtnMov"));
        QVERIFY(m_editor.Dialogs->questions.isEmpty());
        QCOMPARE(m_editor.Dialogs->modalDialogs, 0);
        QCOMPARE(movement().ModeName(2), std::string("Hover"));
        QCOMPARE(movement().ModeName(3), std::string("Naval"));
        QVERIFY(!vehicle().Modified);
    }

    void movingSystemsKeepsTheSelectedLine()
    {
        setSystems({"Walker", "Ground", "Hover", "Naval", "Submarine"});
        list()->setCurrentRow(0);
        driver::SpinDown(find<SpinButton>("sbtnMov"));
        QCOMPARE(movement().ModeName(2), std::string("Naval"));
        QCOMPARE(movement().ModeName(3), std::string("Hover"));
        QCOMPARE(list()->currentRow(), 0);
        // the first line cannot move up
        driver::SpinUp(find<SpinButton>("sbtnMov"));
        QCOMPARE(movement().ModeName(2), std::string("Naval"));
        list()->setCurrentRow(2);
        driver::SpinDown(find<SpinButton>("sbtnMov")); // the last line cannot move down
        QCOMPARE(movement().ModeName(4), std::string("Submarine"));
        driver::SpinUp(find<SpinButton>("sbtnMov"));
        QCOMPARE(movement().ModeName(3), std::string("Submarine"));
        QCOMPARE(movement().ModeName(4), std::string("Hover"));
        QCOMPARE(list()->currentRow(), 2);
        // From the keyboard: Ctrl with an arrow moves the line, an arrow alone only selects.
        QTest::keyClick(list(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(movement().ModeName(3), std::string("Hover"));
        QCOMPARE(movement().ModeName(4), std::string("Submarine"));
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(movement().ModeName(3), std::string("Hover"));
        QCOMPARE(list()->currentRow(), 1);
    }

    void deletingAnAdditionalSystemAsks()
    {
        setSystems({"Walker", "Ground", "Hover", "Naval"});
        list()->setCurrentRow(1);
        m_editor.Dialogs->answers = {DialogAnswer::No, DialogAnswer::Yes};
        QTest::mouseClick(find<QPushButton>("btnMovDelete"), Qt::LeftButton);
        QCOMPARE(movement().Count(), 4);
        QTest::mouseClick(find<QPushButton>("btnMovDelete"), Qt::LeftButton);
        QCOMPARE(m_editor.Dialogs->questions.last(), QStringLiteral("Do you wish to remove this movement system?"));
        QCOMPARE(movement().Count(), 3);
        QCOMPARE(movement().ModeName(2), std::string("Hover"));
    }

    void editorChangesComeBackOnOkOnly()
    {
        setSystems({"Walker", "Ground", "Hover"});
        list()->setCurrentRow(0);
        m_editor.Dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("topKphEdit")), QStringLiteral("90"));
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(find<QPushButton>("btnMovEdit"), Qt::LeftButton);
        QCOMPARE(movement().TopSpeed(2), 0.0);

        m_editor.Dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("topKphEdit")), QStringLiteral("90"));
            return int(QDialog::Accepted);
        };
        vehicle().Modified = false;
        emit list()->itemDoubleClicked(list()->item(0));
        QCOMPARE(m_editor.Dialogs->modalDialogs, 2);
        QCOMPARE(movement().TopSpeed(2), 90.0);
        QVERIFY(vehicle().Modified);
        QCOMPARE(list()->item(0)->text(), QString::fromStdString(movement().SummaryText(2)));

        // a dialog that fails shows its error and leaves the system as it was
        m_editor.Dialogs->modal = [](QDialog &) -> int { throw ArmorwrightError("The editor could not be shown."); };
        QTest::mouseClick(find<QPushButton>("btnMovEdit"), Qt::LeftButton);
        QCOMPARE(m_editor.Dialogs->errors, QStringList{QStringLiteral("The editor could not be shown.")});
        QCOMPARE(movement().TopSpeed(2), 90.0);
    }

    void editorKeepsItsRecordInShape()
    {
        MovementRecord record = m_editor.Data->library.Get(7); // Flight
        record.TopSpeed = 600;
        record.StallSpeed = 900;
        record.Maneuver = 4;
        MovementEditorDialog editor(m_editor.Data->library, record);
        QCOMPARE(editor.Record().StallSpeed, 600.0);
        QCOMPARE(editor.Record().Maneuver, 0);
        QCOMPARE(editor.findChild<QLineEdit *>(QStringLiteral("topMpEdit"))->text(), QStringLiteral("20"));
        auto *spin = editor.findChild<SpinButton *>(QStringLiteral("maneuverSpin"));
        driver::SpinDown(spin);
        QCOMPARE(editor.Record().Maneuver, -1);
        driver::SpinUp(spin);
        driver::SpinUp(spin);
        QCOMPARE(editor.Record().Maneuver, 0);
        driver::Enter(editor.findChild<QLineEdit *>(QStringLiteral("stallMpEdit")), QStringLiteral("4"));
        QCOMPARE(editor.Record().StallSpeed, 120.0);
        // untyped boxes keep the speeds; the spin steps the maneuver being typed
        driver::Enter(editor.findChild<QLineEdit *>(QStringLiteral("topKphEdit")), QStringLiteral("610"));
        driver::Leave(editor.findChild<QLineEdit *>(QStringLiteral("topMpEdit")));
        driver::Leave(editor.findChild<QLineEdit *>(QStringLiteral("stallMpEdit")));
        QCOMPARE(editor.Record().TopSpeed, 610.0);
        QCOMPARE(editor.Record().StallSpeed, 120.0);
        driver::Type(editor.findChild<QLineEdit *>(QStringLiteral("maneuverEdit")), QStringLiteral("-5"));
        driver::SpinUp(spin);
        QCOMPARE(editor.Record().Maneuver, -4);

        // choosing the shown mode keeps the record; another takes the library record whole
        auto *mode = editor.findChild<QComboBox *>(QStringLiteral("cbxPriMode"));
        const MovementRecord before = editor.Record();
        mode->setCurrentIndex(7);
        emit mode->activated(7);
        QCOMPARE(editor.Record(), before);
        QCOMPARE(mode->count(), 8);
        mode->setCurrentIndex(2);
        emit mode->activated(2);
        QCOMPARE(editor.Record(), m_editor.Data->library.Get(2));

        // Help shows the user guide, or (as in a folder without it) says where it was looked for
        const std::string previousFolder = ProgramFolder();
        const QTemporaryDir noGuide;
        SetProgramFolder(noGuide.path().toStdString());
        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("helpButton")), Qt::LeftButton);
        SetProgramFolder(previousFolder);
        QCOMPARE(m_editor.Dialogs->warnings.size(), 1);
    }

    void editorTakesATypedModeName()
    {
        MovementRecord custom;
        for (int i = 0; i < m_editor.Data->library.Count(); ++i)
            if (m_editor.Data->library.CustomMode(i))
                custom = m_editor.Data->library.Get(i);
        QVERIFY(custom.CustomMode);
        custom.Flight = true;
        custom.TopSpeed = 300;
        MovementEditorDialog editor(m_editor.Data->library, custom);
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto *mode = editor.findChild<QComboBox *>(QStringLiteral("cbxPriMode"));
        // a library mode's name left with Tab names the custom flyer
        mode->setFocus(Qt::TabFocusReason);
        mode->lineEdit()->selectAll();
        QTest::keyClicks(mode->lineEdit(), QStringLiteral("Hover"));
        QTest::keyClick(mode, Qt::Key_Tab);
        QVERIFY(editor.Record().CustomMode);
        QCOMPARE(editor.Record().ModeName, std::string("Hover"));
        QVERIFY(editor.Record().Flight);
        QCOMPARE(editor.Record().TopSpeed, 300.0);

        mode->setFocus(Qt::TabFocusReason);
        mode->lineEdit()->selectAll();
        QTest::keyClicks(mode->lineEdit(), QStringLiteral("Skates"));
        QTest::keyClick(mode, Qt::Key_Return); // the dialog's OK, the focus still in the box
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.Record().ModeName, std::string("Skates"));
    }

    void editorRemembersItsPosition()
    {
        m_editor.Data->positions[3] = WindowPosition{120, 140, 260, 420};
        MovementEditorDialog editor(m_editor.Data->library, m_editor.Data->library.Get(1));
        QCOMPARE(editor.pos(), QPoint(140, 120));
        QCOMPARE(editor.size(), QSize(420, 260));
        editor.move(150, 170);
        editor.reject();
        QCOMPARE(m_editor.Data->positions[3].Left, 150);
        QCOMPARE(m_editor.Data->positions[3].Top, 170);
    }
};

} // namespace aw

QTEST_MAIN(aw::MovementPagesTest)
#include "tst_movementpages.moc"
