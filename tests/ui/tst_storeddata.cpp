// The editor on the program's own data: libraries loaded from the built-in blocks, the
// window-position store of the settings file, the record sheet as JPEG and on a printer.
#include "support/ScriptedDialogs.h"

#include "engine/MovementList.h"
#include "engine/Vehicle.h"
#include "storage/Libraries.h"
#include "ui/MainWindow.h"
#include "ui/StoredProgramData.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/WeaponLibraries.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace aw {

class StoredDataTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    StoredProgramData m_data;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        SetProgramFolder(m_folder.path().toStdString() + "/");
        LoadLibraries(SharedLibraries(), ProgramFolder());
        SetProgramData(&m_data);
    }

    void cleanupTestCase() { SetProgramData(nullptr); }

    void modeListsComeFromTheMovementLibrary()
    {
        ScriptedDialogs dialogs;
        MainWindow window;
        window.show();
        auto *mode = window.findChild<QComboBox *>(QStringLiteral("cbxPriMode"));
        QCOMPARE(mode->count(), SharedLibraries().Movement.Count() + 1);
        QCOMPARE(mode->itemText(1), QString::fromStdString(SharedLibraries().Movement.ModeName(0)));
        window.Document().Design().Modified = false;
    }

    void windowPositionsGoThroughTheSettingsStore()
    {
        SharedLibraries().Positions.Reset();
        const WindowPosition none = m_data.WindowPositionAt(3);
        QCOMPARE(none.Top, -1);
        QCOMPARE(none.Width, -1);
        m_data.SetWindowPosition(3, WindowPosition{0, 25, 300, 400});
        const WindowPosition stored = m_data.WindowPositionAt(3);
        // values of 0 or below count as not stored
        QCOMPARE(stored.Top, -1);
        QCOMPARE(stored.Left, 25);
        QCOMPARE(stored.Height, 300);
        QCOMPARE(stored.Width, 400);
        // a slot the store does not have
        QCOMPARE(m_data.WindowPositionAt(12).Left, -1);

        LayoutValues values;
        values.fill(7);
        m_data.GetLayoutValues(values);
        QCOMPARE(values[0], 7); // nothing stored yet: left alone
        LayoutValues stored17;
        for (size_t i = 0; i < stored17.size(); ++i)
            stored17[i] = static_cast<int>(100 + i);
        m_data.SetLayoutValues(stored17);
        m_data.GetLayoutValues(values);
        QCOMPARE(values, stored17);
        SharedLibraries().Positions.Reset();
    }

    void templatesAndWordListsAreReadFromTheBlocks()
    {
        QVERIFY(m_data.SheetTemplate(SheetKind::Text).find("|NAME") != std::string::npos);
        QVERIFY(m_data.SheetTemplate(SheetKind::Html).find("<") != std::string::npos);
        QVERIFY(m_data.DropDownText().find("|") != std::string::npos);
        QVERIFY(!m_data.SheetLayout(0).Block.empty());
        QVERIFY(m_data.SheetLayout(0).Block == m_data.SheetLayout(1).Block);
    }

    void recordSheetIsSavedAsJpegAndPrinted()
    {
        ScriptedDialogs dialogs;
        MainWindow window;
        window.show();
        window.Document().Design().Name = "Sheet Test";
        const QString jpeg = m_folder.filePath(QStringLiteral("sheet.jpg"));
        dialogs.paths = {jpeg};
        window.findChild<QAction *>(QStringLiteral("exportJpegAction"))->trigger();
        QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join('\n')));
        QFile image(jpeg);
        QVERIFY(image.open(QIODevice::ReadOnly));
        QCOMPARE(image.read(3), QByteArray("\xff\xd8\xff"));

        // a printer dialog that is cancelled prints nothing
        window.findChild<QAction *>(QStringLiteral("printAction"))->trigger();
        QCOMPARE(dialogs.printerDialogs, 1);

        const QString pdf = m_folder.filePath(QStringLiteral("printed.pdf"));
        dialogs.acceptPrinter = true;
        dialogs.preparePrinter = [&pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        window.findChild<QAction *>(QStringLiteral("printAction"))->trigger();
        QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join('\n')));
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QCOMPARE(printed.read(4), QByteArray("%PDF"));
        QVERIFY(printed.size() > 10000);
        window.Document().Design().Modified = false;
    }

    void aDamagedCustomFileSetAsideIsNamedOnce()
    {
        ScriptedDialogs dialogs;
        const QString custom = m_folder.filePath(QStringLiteral("Custom.zel"));
        QFile damaged(custom);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("no container");
        damaged.close();
        try {
            LoadLibraries(SharedLibraries(), ProgramFolder());
            QFAIL("read");
        } catch (const LibraryLoadError &) {
        }
        BaseWeaponList &list = CurrentWeaponLibraries().WeaponLibrary(kCustomWeaponType);
        for (const char *name : {"New Gun", "Next Gun"}) {
            WeaponRecord record = DefaultWeaponRecord();
            record.Name = name;
            list.Add(record);
            CurrentWeaponLibraries().CustomWeaponsChanged();
        }
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings[0].contains(QStringLiteral("\"%1.damaged\"").arg(custom)),
                 qPrintable(dialogs.warnings[0]));
        QFile::remove(custom);
        QFile::remove(custom + QStringLiteral(".damaged"));
        LoadLibraries(SharedLibraries(), ProgramFolder());
    }
};

} // namespace aw

QTEST_MAIN(aw::StoredDataTest)
#include "tst_storeddata.moc"
