// The main window's design lifecycle: the save question, New, Open, Save, Save As,
// Close, Create Variant, the logs and the exports, and how failures are reported; the
// command line, the user guide and what the desktop knows of the program.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "base/CalculationLog.h"
#include "base/Files.h"
#include "base/ProgramVersion.h"
#include "base/Stream.h"
#include "engine/DesignFile.h"
#include "engine/OpenedDesignFile.h"
#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"
#include "storage/DesignJson.h"
#include "tests/support/SampleRecords.h"
#include "ui/DesktopIdentity.h"
#include "ui/MainWindow.h"
#include "ui/StartupOptions.h"
#include "ui/dialogs/LogViewer.h"
#include "ui/document/RecentFiles.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/GeneralPage.h"
#include "ui/pages/InfoPage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>

#include <memory>

namespace aw {

class LifecycleTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    EditorFixture m_editor;
    QStringList m_started;

    Vehicle &vehicle() { return m_editor.Design(); }
    QString path(const char *name) { return m_folder.filePath(QString::fromLatin1(name)); }
    void trigger(const char *action) { m_editor.Window->findChild<QAction *>(QString::fromLatin1(action))->trigger(); }
    QString caption(const char *label)
    {
        return m_editor.Window->findChild<QLabel *>(QString::fromLatin1(label))->text();
    }
    // The window made active and the keyboard focus in the named box; nullptr when it did not get there.
    QLineEdit *focusedBox(const char *name)
    {
        m_editor.Window->activateWindow();
        auto *box = m_editor.Window->findChild<QLineEdit *>(QString::fromLatin1(name));
        box->setFocus();
        if (!QTest::qWaitForWindowActive(m_editor.Window.get()) || !QTest::qWaitFor([box] { return box->hasFocus(); }))
            return nullptr;
        return box;
    }
    // The caption as the title bar shows it.
    QString title() { return m_editor.Window->windowHandle()->title(); }

    // A design file on disk with the given name and crew.
    QString writeDesign(const char *file, const char *name, int crew)
    {
        Vehicle design;
        design.Name = name;
        design.Crew = crew;
        const QString target = path(file);
        SaveDesignFile(design, target.toStdString());
        return target;
    }
    static std::string nameIn(const QString &file) { return LoadDesignFile(file.toStdString()).Design->Name; }
    // A design whose size corrections never settle: each refresh moves its size on.
    QString writeOscillatingDesign()
    {
        QFile json(QStringLiteral(AW_TEST_DATA_DIR "/designs/oscillating-size.json"));
        if (!json.open(QIODevice::ReadOnly))
            return {};
        const QString file = path("oscillating.vkd");
        SaveDesignFile(*DesignFromJson(json.readAll().toStdString()), file.toStdString());
        return file;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_folder.filePath(QStringLiteral("settings")));
        // The design file type as installed, seen before the system's types (read at the first MIME look-up).
        const QString packages = path("xdg/mime/packages");
        QVERIFY(QDir().mkpath(packages));
        QVERIFY(QFile::copy(QStringLiteral(AW_TEST_DATA_DIR "/../../app/armorwright-mime.xml"),
                            packages + QStringLiteral("/armorwright.xml")));
        qputenv("XDG_DATA_DIRS", (path("xdg") + QStringLiteral(":/usr/local/share:/usr/share")).toLocal8Bit());
    }

    void init()
    {
        QSettings().remove(QStringLiteral("recentFiles")); // each test starts with none used
        QVERIFY(m_editor.Start());
        m_started.clear();
        m_editor.Window->SetProcessStarter([this](const QString &program, const QStringList &arguments) {
            m_started << program << arguments;
            return true;
        });
    }

    void cleanup() { m_editor.Stop(); }

    // Every menu and command has a mnemonic of its own within its menu ("&" marks it and is
    // not shown).
    void menusHoldTheirCommandsInOrder()
    {
        auto texts = [](QWidget *menu) {
            QStringList items;
            QSet<QChar> mnemonics;
            for (QAction *action : menu->actions()) {
                const QString text = action->text();
                const qsizetype mark = text.indexOf(QLatin1Char('&'));
                if (!action->isSeparator() && mark >= 0 && mark + 1 < text.size())
                    mnemonics << text[mark + 1].toLower();
                items << (action->isSeparator() ? QStringLiteral("-") : text);
            }
            // a command without a mnemonic, or with one another command has, fails the comparison
            if (mnemonics.size() != items.size() - items.count(QStringLiteral("-")))
                items << QStringLiteral("(mnemonics missing or repeated)");
            return items;
        };
        QCOMPARE(texts(m_editor.Window->menuBar()), (QStringList{"&File", "&Edit", "&Help"}));
        QMenu *file = m_editor.Window->findChild<QMenu *>(QStringLiteral("fileMenu"));
        QCOMPARE(texts(file), (QStringList{"&New", "&Open...", "Recent &Files", "-", "&Save...", "Save &As...",
                                           "&Revert to Saved", QStringLiteral("&Compare with\u2026"),
                                           QStringLiteral("&Design Library\u2026"), "-", "Ros&ter", "-", "&Print",
                                           "Print Previe&w...", "&Export", "-", "Create &Variant!", "-", "C&lose"}));
        QCOMPARE(texts(m_editor.Window->findChild<QMenu *>(QStringLiteral("rosterMenu"))),
                 (QStringList{"&New Roster", QStringLiteral("&Open Roster\u2026"), "&Add to Roster"}));
        QCOMPARE(texts(m_editor.Window->findChild<QMenu *>(QStringLiteral("exportMenu"))),
                 (QStringList{"Post to &Clipboard", "&Text", "&HTML", "&JPEG", "&PDF"}));
        QCOMPARE(texts(m_editor.Window->findChild<QMenu *>(QStringLiteral("editMenu"))),
                 (QStringList{"&Undo", "&Redo"}));
        QCOMPARE(texts(m_editor.Window->findChild<QMenu *>(QStringLiteral("helpMenu"))),
                 (QStringList{"View &TV Log", "View &Price Log", "-", "&Contents", "-", "&About"}));

        // a file name's own "&" is shown, not taken as a mnemonic
        m_editor.Window->RecentFileList()->Add(path("Tom & Jerry.vkd"));
        const QList<QAction *> recent =
            m_editor.Window->findChild<QMenu *>(QStringLiteral("recentFilesMenu"))->actions();
        QCOMPARE(recent.first()->text(), QStringLiteral("&1 Tom && Jerry.vkd"));
    }

    void altAndAMnemonicOpensTheMenuInsteadOfTyping()
    {
        QLineEdit *name = focusedBox("eName");
        QVERIFY(name);
        QTest::keyClick(name, Qt::Key_F, Qt::AltModifier);
        QMenu *file = m_editor.Window->findChild<QMenu *>(QStringLiteral("fileMenu"));
        QTRY_VERIFY(file->isVisible());
        file->close();
        QVERIFY(name->text().isEmpty());
    }

    void openingAndClosingAsksNothing()
    {
        const QString file = writeDesign("quiet.vkd", "Quiet", 2);
        m_editor.Dialogs->paths = {file};
        trigger("openAction");
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Quiet"));
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Quiet - ") + file);
        QVERIFY(!vehicle().Modified);
        trigger("closeAction");
        QVERIFY(m_editor.Dialogs->questions.isEmpty());
        QVERIFY(!m_editor.Window->isVisible());
    }

    void cancellingTheCloseQuestionKeepsTheWindow()
    {
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::Cancel};
        trigger("closeAction");
        QCOMPARE(m_editor.Dialogs->questions, QStringList{QStringLiteral("Do you wish to save the current vehicle?")});
        QVERIFY(m_editor.Window->isVisible());
        QVERIFY(m_editor.Data->positions.empty());

        m_editor.Dialogs->answers = {DialogAnswer::No};
        trigger("closeAction");
        QVERIFY(!m_editor.Window->isVisible());
        QVERIFY(m_editor.Dialogs->saveDialogs.isEmpty());
        QCOMPARE(m_editor.Data->positions.count(0), size_t(1));
    }

    void saveWithAFileNameDoesNotAsk()
    {
        vehicle().Name = "First";
        m_editor.Dialogs->paths = {path("first.vkd")};
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 1);
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].Title, QStringLiteral("Armorwright Save"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].Filter, QStringLiteral("Umbrant Files|*.vkd|All Files|*.*"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].DefaultExtension, QStringLiteral("vkd"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].FileName, QStringLiteral("First.vkd"));
        QCOMPARE(m_editor.Window->Document().FileName(), path("first.vkd"));

        driver::Enter(m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eName")), QStringLiteral("Second"));
        QVERIFY(vehicle().Modified);
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 1);
        QCOMPARE(nameIn(path("first.vkd")), std::string("Second"));
        QVERIFY(!vehicle().Modified);

        m_editor.Dialogs->paths = {path("second.vkd")};
        trigger("saveAsAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 2);
        QCOMPARE(m_editor.Window->Document().FileName(), path("second.vkd"));
        QVERIFY(QFile::exists(path("second.vkd")));

        // a cancelled or failed Save As leaves the design with its file, caption and changes
        driver::Enter(m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eName")), QStringLiteral("Third"));
        const QString shown = title();
        QCOMPARE(shown, QStringLiteral("Armorwright V0.6.8d - Third* - ") + path("second.vkd"));
        m_editor.Dialogs->paths = {QString(), path("no folder/third.vkd")};
        trigger("saveAsAction");
        trigger("saveAsAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 4);
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QVERIFY(m_editor.Dialogs->errors[0].contains(QStringLiteral("third.vkd")));
        QCOMPARE(m_editor.Window->Document().FileName(), path("second.vkd"));
        QCOMPARE(title(), shown);
        QVERIFY(vehicle().Modified);
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 4);
        QCOMPARE(nameIn(path("second.vkd")), std::string("Third"));
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Third - ") + path("second.vkd"));
    }

    void yesThenCancelledSaveDialogKeepsTheDesign()
    {
        vehicle().Name = "Unsaved";
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::Yes, DialogAnswer::Yes};
        m_editor.Dialogs->paths = {QString(), QString()};
        trigger("newAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 1);
        QCOMPARE(vehicle().Name, std::string("Unsaved"));
        QVERIFY(vehicle().Modified);
        QVERIFY(!m_editor.Window->close());
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 2);
        QVERIFY(vehicle().Modified);
    }

    void aFileSavedElsewhereIsNotReplacedUnasked()
    {
        const QString file = writeDesign("shared.vkd", "Mine", 2);
        m_editor.Dialogs->paths = {file};
        trigger("openAction");
        // another editor on the same file saves first
        writeDesign("shared.vkd", "Theirs, saved first", 3);
        vehicle().Crew = 4;
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::No};
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->questions.size(), 1);
        QVERIFY(m_editor.Dialogs->questions[0].contains(file));
        QCOMPARE(nameIn(file), std::string("Theirs, saved first"));
        QVERIFY(vehicle().Modified);
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        trigger("saveAction");
        QCOMPARE(nameIn(file), std::string("Mine"));
        // once written here, the next save asks nothing
        vehicle().Modified = true;
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->questions.size(), 2);
    }

    void forbiddenCharactersLeaveTheFileNamePreset()
    {
        vehicle().Name = "a\\b/c:d*e?f\"g<h>i|j";
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.last().FileName, QStringLiteral("abcdefghij.vkd"));
        vehicle().Name = "\\/:*?\"<>|";
        trigger("exportHtmlAction");
        QVERIFY(m_editor.Dialogs->saveDialogs.last().FileName.isEmpty());
    }

    void namesWithDotsOrOfAnyLengthSaveUnderTheirType()
    {
        // "Mk.II" looks like an extension; the file is still a design
        vehicle().Name = "Tiger Mk.II";
        m_editor.Dialogs->paths = {path("Tiger Mk.II")};
        trigger("saveAsAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.last().FileName, QStringLiteral("Tiger Mk.II.vkd"));
        const QString design = path("Tiger Mk.II.vkd");
        QCOMPARE(m_editor.Window->Document().FileName(), design);
        QCOMPARE(nameIn(design), std::string("Tiger Mk.II"));
        QVERIFY(!QFile::exists(path("Tiger Mk.II")));

        // the completed name is another file than the dialog asked about: asked again, and No
        // shows the dialog once more
        QFile old(path("Tiger Mk.II.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        m_editor.Dialogs->answers = {DialogAnswer::No, DialogAnswer::Yes};
        m_editor.Dialogs->paths = {path("Tiger Mk.II"), path("Tiger Mk.II")};
        trigger("exportTextAction");
        QCOMPARE(m_editor.Dialogs->questions,
                 QStringList(2, QStringLiteral("Tiger Mk.II.txt already exists.\nDo you want to replace it?")));
        QCOMPARE(m_editor.Dialogs->saveDialogs.last().FileName, path("Tiger Mk.II.txt"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("Sheet of Tiger Mk.II"));

        // no sheet replaces the design it is made from, whatever type was chosen
        m_editor.Dialogs->fileType = 1; // All Files
        m_editor.Dialogs->paths = {design, design, design};
        for (const char *command : {"exportHtmlAction", "exportJpegAction", "exportPdfAction"})
            trigger(command);
        QCOMPARE(m_editor.Dialogs->errors,
                 QStringList(3, design + QStringLiteral(": not written, it would replace the input file ") + design));
        QCOMPARE(nameIn(design), std::string("Tiger Mk.II"));
        m_editor.Dialogs->fileType = 0;

        // a long name of accented letters is offered cut to the file-name limit, whole letters only
        vehicle().Name = std::string(200, '\xE9');
        m_editor.Dialogs->paths = {QString()};
        trigger("saveAsAction");
        const QString offered = m_editor.Dialogs->saveDialogs.last().FileName;
        QCOMPARE(offered, QString(125, QChar(0xE9)) + QStringLiteral(".vkd")); // 254 bytes; one more is 256
        const QStringList errors = m_editor.Dialogs->errors;
        m_editor.Dialogs->paths = {m_folder.filePath(offered)};
        trigger("saveAsAction");
        QCOMPARE(m_editor.Dialogs->errors, errors);
        QCOMPARE(m_editor.Window->Document().FileName(), m_folder.filePath(offered));
    }

    void typedNameCountsWhenTheBoxIsLeft()
    {
        auto *name = m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eName"));
        driver::Type(name, QStringLiteral("Lancer"));
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Lancer"));
        QVERIFY(!vehicle().Modified);
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d -  - "));
        driver::Leave(name);
        QVERIFY(vehicle().Modified);
        // the caption marks the unsaved change; "[*]" in a name is text
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Lancer* - "));
        driver::Enter(name, QStringLiteral("Mk [*]"));
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Mk [*]* - "));
    }

    void valueBeingTypedIsTakenBeforeAMenuCommand()
    {
        QLineEdit *crew = focusedBox("eCrew");
        QVERIFY(crew);
        driver::Type(crew, QStringLiteral("7"));
        m_editor.Dialogs->paths = {path("typed.vkd")};
        trigger("saveAction");
        QCOMPARE(LoadDesignFile(path("typed.vkd").toStdString()).Design->Crew, 7);
        QVERIFY(!vehicle().Modified);
    }

    void closingByTheWindowButtonTakesTheTypedValue()
    {
        QLineEdit *crew = focusedBox("eCrew");
        QVERIFY(crew);
        driver::Type(crew, QStringLiteral("5"));
        m_editor.Dialogs->answers = {DialogAnswer::Cancel};
        m_editor.Window->close();
        QCOMPARE(vehicle().Crew, 5);
        QCOMPARE(m_editor.Dialogs->questions.size(), 1);
        QVERIFY(m_editor.Window->isVisible());
    }

    void createVariantRefusesAnUnsavedDesign()
    {
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::No};
        trigger("createVariantAction");
        QCOMPARE(m_editor.Dialogs->errors,
                 QStringList{QStringLiteral("The vehicle needs to be saved before a variant can be created from it!")});
        QVERIFY(m_started.isEmpty());
    }

    void createVariantStartsASecondEditor()
    {
        // never saved and unchanged: an empty path, so the second editor starts empty
        trigger("createVariantAction");
        QCOMPARE(m_started, (QStringList{QCoreApplication::applicationFilePath(), QString(), QStringLiteral("NEW")}));

        m_started.clear();
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        m_editor.Dialogs->paths = {path("variant.vkd")};
        trigger("createVariantAction");
        QVERIFY(m_editor.Dialogs->errors.isEmpty());
        QCOMPARE(m_started,
                 (QStringList{QCoreApplication::applicationFilePath(), path("variant.vkd"), QStringLiteral("NEW")}));

        // Not from a file that no longer holds the design shown.
        m_started.clear();
        QFile::remove(path("variant.vkd"));
        trigger("createVariantAction");
        SaveDesignFile(Vehicle(), path("variant.vkd").toStdString());
        trigger("createVariantAction");
        QCOMPARE(m_editor.Dialogs->errors.size(), 2);
        QVERIFY(m_editor.Dialogs->errors[0].contains(QStringLiteral("is gone")));
        QVERIFY(m_editor.Dialogs->errors[1].contains(QStringLiteral("was changed by another window or program")));
        QVERIFY(m_started.isEmpty());
    }

    void damagedFileLeavesTheDesignAsItWas()
    {
        vehicle().Name = "Keeper";
        vehicle().Modified = true;
        QFile bad(path("bad.vkd"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("this is not a design file");
        bad.close();
        m_editor.Dialogs->answers = {DialogAnswer::No};
        m_editor.Dialogs->paths = {path("bad.vkd")};
        trigger("openAction");
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Keeper"));
        QVERIFY(vehicle().Modified);
        QVERIFY(m_editor.Window->Document().FileName().isEmpty());
    }

    void failedSaveKeepsTheChangesAndTheWindow()
    {
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        m_editor.Dialogs->paths = {path("missing-folder/x.vkd")};
        trigger("closeAction");
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QVERIFY(m_editor.Window->isVisible());
        QVERIFY(vehicle().Modified);
    }

    // A design carrying a photo is written while the window paints, showing that it is busy and
    // taking no command; a failed write is reported and keeps the previous file.
    void largeDesignIsSavedWhileTheWindowShowsItIsBusy()
    {
        const QString file = writeDesign("large.vkd", "Before", 1);
        const std::vector<uint8_t> before = ReadWholeFile(file.toStdString());
        m_editor.Window->OpenFile(file);
        vehicle().Picture = TinyBitmap(2000, 1500);
        vehicle().Name = "After";
        m_editor.Window->Document().SetModified();
        bool waitCursor = false, menusClosed = false, closed = true;
        // Posted before the save starts, so it runs while the window waits for the write.
        QMetaObject::invokeMethod(
            m_editor.Window.get(),
            [&] {
                const QCursor *cursor = QApplication::overrideCursor();
                waitCursor = cursor && cursor->shape() == Qt::WaitCursor;
                menusClosed = !m_editor.Window->menuBar()->isEnabled();
                closed = m_editor.Window->close();
            },
            Qt::QueuedConnection);
        SetWriteFaultInjector([] { return false; });
        trigger("saveAction");
        SetWriteFaultInjector({});
        QVERIFY(waitCursor);
        QVERIFY(menusClosed);
        QVERIFY(!closed);
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QVERIFY(m_editor.Dialogs->errors[0].contains(QStringLiteral("large.vkd")));
        QVERIFY(ReadWholeFile(file.toStdString()) == before);
        QVERIFY(vehicle().Modified);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(m_editor.Window->menuBar()->isEnabled());

        trigger("saveAction");
        QVERIFY(!vehicle().Modified);
        QVERIFY(LoadDesignFile(file.toStdString()).Design->Picture == vehicle().Picture);
    }

    void logViewerShowsOneRunOfTheCalculation()
    {
        driver::Enter(m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eName")), QStringLiteral("Logged"));
        driver::Enter(m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eArmor")), QStringLiteral("6"));
        QStringList shown;
        m_editor.Dialogs->modal = [&shown](QDialog &dialog) {
            auto *viewer = qobject_cast<LogViewer *>(&dialog);
            if (viewer)
                shown = viewer->Lines();
            return int(QDialog::Accepted);
        };
        trigger("viewThreatValueLogAction");
        LogLines expected{"Logged", ""};
        {
            ScopedCalculationLog log(expected);
            ThreatValue(vehicle());
        }
        QCOMPARE(shown.size(), qsizetype(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(shown[static_cast<qsizetype>(i)], QString::fromStdString(expected[i]));
        QVERIFY(CalculationLog() == nullptr);

        trigger("viewPriceLogAction");
        LogLines price{"Logged", ""};
        {
            ScopedCalculationLog log(price);
            FinalCost(vehicle());
        }
        QCOMPARE(shown.size(), qsizetype(price.size()));
        QCOMPARE(shown.last(), QString::fromStdString(price.back()));

        // A design whose size corrections never settle: looking at its log changes nothing,
        // so the log reads the same each time.
        const QString file = writeOscillatingDesign();
        QVERIFY(!file.isEmpty());
        m_editor.Window->OpenFile(file);
        Stream before;
        SaveToStream(vehicle(), before);
        trigger("viewPriceLogAction");
        const QStringList first = shown;
        trigger("viewPriceLogAction");
        QCOMPARE(shown, first);
        Stream after;
        SaveToStream(vehicle(), after);
        QVERIFY(after.Bytes() == before.Bytes());
    }

    void sheetsGoToTheClipboardAndToFiles()
    {
        vehicle().Name = "Sheet<1>";
        trigger("postToClipboardAction");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Sheet of Sheet<1>"));

        m_editor.Dialogs->paths = {path("sheet.txt"), path("sheet.html")};
        trigger("exportTextAction");
        trigger("exportHtmlAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].DefaultExtension, QStringLiteral("txt"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].Filter, QStringLiteral("Text Files|*.txt|All Files|*.*"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[0].FileName, QStringLiteral("Sheet1.txt"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[1].DefaultExtension, QStringLiteral("html"));
        QCOMPARE(m_editor.Dialogs->saveDialogs[1].Filter, QStringLiteral("HTML Files|*.html;*.htm|All Files|*.*"));
        QFile text(path("sheet.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("Sheet of Sheet<1>"));
        QFile html(path("sheet.html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        QCOMPARE(html.readAll(), QByteArray("<p>Sheet&lt;1&gt;</p>"));

        // a cancelled dialog writes nothing
        m_editor.Dialogs->paths = {QString()};
        trigger("exportTextAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.size(), 3);
    }

    // ctest runs this under LC_ALL=C as well: file names stay UTF-8 there too.
    void namesOutsideAsciiOpenSaveAndExport()
    {
        const QString folder = m_folder.filePath(QStringLiteral("Ünïcødé"));
        QVERIFY(QDir().mkpath(folder));
        const QString design = folder + QStringLiteral("/Pänzer ß.vkd");
        Vehicle panzer;
        panzer.Name = "Panzer";
        SaveDesignFile(panzer, QFile::encodeName(design).toStdString());

        m_editor.Dialogs->paths = {design};
        trigger("openAction");
        QVERIFY(m_editor.Dialogs->errors.isEmpty());
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Panzer"));
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Panzer - ") + design);
        QMenu *recent = m_editor.Window->findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
        QCOMPARE(recent->actions().first()->text(), QStringLiteral("&1 Pänzer ß.vkd"));

        const QString copy = folder + QStringLiteral("/Kopie ä.vkd");
        const QString sheet = folder + QStringLiteral("/Blatt ö.txt");
        m_editor.Dialogs->paths = {copy, sheet};
        vehicle().Crew = 3;
        trigger("saveAsAction");
        trigger("exportTextAction");
        QVERIFY(m_editor.Dialogs->errors.isEmpty());
        QCOMPARE(LoadDesignFile(QFile::encodeName(copy).toStdString()).Design->Crew, 3);
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Panzer - ") + copy);
        QFile text(sheet);
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("Sheet of Panzer"));

        // An error names the file as it is called.
        const QString damaged = folder + QStringLiteral("/Kaputt ü.vkd");
        QFile garbage(damaged);
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("!HZL") == 4);
        garbage.close();
        m_editor.Dialogs->paths = {damaged};
        trigger("openAction");
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QVERIFY2(m_editor.Dialogs->errors[0].contains(QStringLiteral("Kaputt ü.vkd")),
                 qPrintable(m_editor.Dialogs->errors[0]));

        // The list comes back from the settings with the names whole.
        RecentFiles stored;
        stored.Load();
        QCOMPARE(stored.Paths().mid(0, 2), (QStringList{copy, design}));
    }

    void sheetErrorsAreShownAndWriteNothing()
    {
        m_editor.Dialogs->paths = {path("sheet.jpg")};
        trigger("exportJpegAction");
        QCOMPARE(m_editor.Dialogs->saveDialogs.last().Title, QStringLiteral("Jpeg SaveDialog"));
        QCOMPARE(m_editor.Dialogs->saveDialogs.last().Filter, QStringLiteral("JPEG Files|*.jpg;*.jpeg|All Files|*.*"));
        QCOMPARE(m_editor.Dialogs->errors, QStringList{QStringLiteral("No sheet layout in the test data.")});
        QVERIFY(!QFile::exists(path("sheet.jpg")));

        trigger("printAction");
        QCOMPARE(m_editor.Dialogs->errors.size(), 2);
        QCOMPARE(m_editor.Dialogs->printerDialogs, 0);
        QVERIFY(m_editor.Window->isVisible());
    }

    void droppedDesignFileIsOpened()
    {
        const QString file = writeDesign("dropped.vkd", "Dropped", 1);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_editor.Window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_editor.Window.get(), &drop);
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Dropped"));
        QCOMPARE(m_editor.Window->RecentFileList()->Paths().first(), file);
        QMenu *recent = m_editor.Window->findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
        QCOMPARE(recent->actions().size(), 1);

        // reopening from the list asks first when there are changes
        vehicle().Name = "Changed";
        vehicle().Modified = true;
        m_editor.Dialogs->answers = {DialogAnswer::Cancel};
        recent->actions().first()->trigger();
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Changed"));
        m_editor.Dialogs->answers = {DialogAnswer::No};
        recent->actions().first()->trigger();
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Dropped"));
    }

    void contentsShowsTheUserGuideAndAboutTheTitle()
    {
        // the shipped guide names its letters with references the viewer knows
        QTextBrowser viewer;
        viewer.setSource(QUrl::fromLocalFile(QStringLiteral(AW_TEST_DATA_DIR "/../../docs/user-guide.html")));
        QVERIFY(viewer.toPlainText().contains(QString::fromUtf8("(Ş as S, ı as i)")));
        QVERIFY(!viewer.toPlainText().contains(QRegularExpression(QStringLiteral("&#?\\w+;"))));

        // installed: the guide is in the documentation folder beside the program's folder
        const std::string previousFolder = ProgramFolder();
        SetProgramFolder(path("install/bin/").toStdString());
        const QString guide = path("install/share/doc/armorwright/user-guide.html");
        QVERIFY(QDir().mkpath(QFileInfo(guide).path()));
        QFile file(guide);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<h1>Reading the results</h1>") > 0);
        file.close();
        QString shown;
        m_editor.Dialogs->modal = [&shown](QDialog &dialog) {
            shown = dialog.findChild<QTextBrowser *>()->toPlainText();
            return int(QDialog::Accepted);
        };
        trigger("contentsAction");
        QCOMPARE(shown, QStringLiteral("Reading the results"));
        QVERIFY(m_editor.Dialogs->warnings.isEmpty());

        QVERIFY(QFile::remove(guide));
        trigger("contentsAction");
        QCOMPARE(m_editor.Dialogs->modalDialogs, 1);
        QCOMPARE(m_editor.Dialogs->warnings.size(), 1);
        QVERIFY(m_editor.Dialogs->warnings.first().contains(guide));
        SetProgramFolder(previousFolder);

        QString aboutTitle;
        m_editor.Dialogs->modal = [&aboutTitle](QDialog &dialog) {
            dialog.show();
            aboutTitle = dialog.windowTitle();
            return int(QDialog::Accepted);
        };
        trigger("aboutAction");
        QCOMPARE(aboutTitle, QStringLiteral("Armorwright V0.6.8d"));
    }

    void commandLineIsReadWithItsOptions()
    {
        auto read = [](QStringList arguments) {
            arguments.prepend(QStringLiteral("armorwright"));
            return ReadStartupOptions(arguments);
        };
        const StartupOptions copy = read({"tank.vkd", "new"});
        QVERIFY(copy.Request == StartupOptions::Request::Run);
        QCOMPARE(copy.DesignFile, QStringLiteral("tank.vkd"));
        QVERIFY(copy.AsUnsavedCopy && !copy.QuitAfterShow);
        QVERIFY(!read({"tank.vkd", "newer"}).AsUnsavedCopy);
        QCOMPARE(read({"tank.vkd", "newer"}).IgnoredFiles, QStringList{"newer"}); // said, not dropped unseen
        QCOMPARE(read({"tank.vkd", "NEW", "b.vkd", "c.vkd"}).IgnoredFiles, (QStringList{"b.vkd", "c.vkd"}));
        QVERIFY(read({"--quit-after-show", "tank.vkd"}).QuitAfterShow);
        QCOMPARE(read({"--", "-odd.vkd"}).DesignFile, QStringLiteral("-odd.vkd"));

        // help and version win over anything else on the line (Qt's own options are still there)
        const StartupOptions help = read({"-platform", "offscreen", "--help"});
        QVERIFY(help.Request == StartupOptions::Request::Help);
        QVERIFY(help.Message.contains(QStringLiteral("--version")) && help.Message.contains(QStringLiteral("NEW")));
        QVERIFY(!help.Message.contains(QStringLiteral("quit-after-show")));
        const StartupOptions version = read({"tank.vkd", "-v"});
        QVERIFY(version.Request == StartupOptions::Request::Version);
        QCOMPARE(version.Message, QStringLiteral("Armorwright %1\n").arg(QString::fromLatin1(kProgramVersion)));

        for (const char *qtOption : {"-reverse", "-stylesheet", "-platformtheme", "-visual"})
            QVERIFY2(read({qtOption, "x"}).Request == StartupOptions::Request::UsageError, qtOption);

        const StartupOptions wrong = read({"--colour", "tank.vkd"});
        QVERIFY(wrong.Request == StartupOptions::Request::UsageError);
        QVERIFY(wrong.Message.contains(QStringLiteral("colour")));
    }

    void desktopKnowsTheProgramAndItsFiles()
    {
        SetDesktopIdentity();
        QVERIFY(!m_editor.Window->windowIcon().availableSizes().isEmpty());
        QVERIFY(QFileInfo::exists(QStringLiteral(AW_TEST_DATA_DIR "/../../app/") + QGuiApplication::desktopFileName() +
                                  QStringLiteral(".desktop")));

        // a design is known by its name: the settings and override files share its container header
        const QString design = writeDesign("Striker.vkd", "Striker", 2);
        QVERIFY(QFile::copy(design, path("Custom.zel")));
        QMimeDatabase types;
        QCOMPARE(types.mimeTypeForFile(design).name(), QStringLiteral("application/x-armorwright-design"));
        QVERIFY(types.mimeTypeForFile(path("Custom.zel")).name() != QStringLiteral("application/x-armorwright-design"));
    }

    void commandLineDesignOpensAsAnUnsavedCopyWithNew()
    {
        const QString file = writeDesign("start.vkd", "Started", 4);
        m_editor.Window->OpenAtStartUp(file, true);
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Started"));
        QVERIFY(m_editor.Window->Document().FileName().isEmpty());
        QVERIFY(!vehicle().Modified);
        QCOMPARE(title(), QStringLiteral("Armorwright V0.6.8d - Started - "));

        // named relative to the folder the program started in, it is known by its full path
        const QString startedIn = QDir::currentPath();
        QDir::setCurrent(QFileInfo(file).absolutePath());
        m_editor.Window->OpenAtStartUp(QStringLiteral("start.vkd"), false);
        QDir::setCurrent(startedIn);
        QCOMPARE(m_editor.Window->Document().FileName(), QFileInfo(file).absoluteFilePath());

        // a first argument that is not an existing file is ignored
        m_editor.Window->NewDesign();
        m_editor.Window->OpenAtStartUp(path("nowhere.vkd"), false);
        QVERIFY(vehicle().Name.empty());
        QVERIFY(m_editor.Dialogs->errors.isEmpty());
        QVERIFY(m_editor.Dialogs->warnings.isEmpty());

        // Named at start-up, a design whose corrections never settle is refreshed as often as
        // File > Open and the command-line tool refresh it: its sheets and saves agree with theirs.
        const QString oscillating = writeOscillatingDesign();
        QVERIFY(!oscillating.isEmpty());
        m_editor.Window = std::make_unique<MainWindow>();
        m_editor.Window->OpenAtStartUp(oscillating, false);
        m_editor.Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.Window.get()));
        Stream started;
        SaveToStream(vehicle(), started);
        Stream opened;
        SaveToStream(*OpenAsEditor(oscillating.toStdString()).Design, opened);
        QVERIFY(started.Bytes() == opened.Bytes());
    }

    void aPictureLeftOutAtStartUpIsReportedOnceTheWindowShows()
    {
        Vehicle design;
        design.Name = "Pictured";
        design.Picture = {'B', 'M', 1, 2, 3};
        SaveDesignFile(design, path("pictured.vkd").toStdString());
        m_editor.Window = std::make_unique<MainWindow>();
        m_editor.Window->OpenAtStartUp(path("pictured.vkd"), false);
        QVERIFY(m_editor.Dialogs->warnings.isEmpty());
        m_editor.Window->show();
        QTRY_COMPARE(m_editor.Dialogs->warnings.size(), 1);
        QVERIFY(m_editor.Dialogs->warnings[0].contains(QStringLiteral("left out")));
        QCOMPARE(QString::fromStdString(vehicle().Name), QStringLiteral("Pictured"));

        // the same as File > Open shows; once the window is up, at once
        m_editor.Window->OpenAtStartUp(path("pictured.vkd"), false);
        QCOMPARE(m_editor.Dialogs->warnings.size(), 2);
        QCOMPARE(m_editor.Dialogs->warnings[1], m_editor.Dialogs->warnings[0]);

        // Saving over the file would drop the picture: asked first, and No keeps the file.
        const std::vector<uint8_t> withPicture = ReadWholeFile(path("pictured.vkd").toStdString());
        vehicle().Armor = 7;
        m_editor.Window->Document().SetModified();
        m_editor.Dialogs->answers = {DialogAnswer::No};
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->questions.size(), 1);
        QVERIFY(m_editor.Dialogs->questions[0].contains(QStringLiteral("left out")));
        QVERIFY(ReadWholeFile(path("pictured.vkd").toStdString()) == withPicture);
        QVERIFY(vehicle().Modified);
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        trigger("saveAction");
        QVERIFY(!vehicle().Modified);
        trigger("saveAction"); // the file is this design's own now
        QCOMPARE(m_editor.Dialogs->questions.size(), 2);

        // A picture chosen since replaces the one left out unasked; undone, it is asked about again.
        SaveDesignFile(design, path("pictured.vkd").toStdString());
        m_editor.Window->OpenAtStartUp(path("pictured.vkd"), false);
        QImage chosen(4, 4, QImage::Format_RGB32);
        chosen.fill(Qt::red);
        QVERIFY(chosen.save(path("chosen.png")));
        m_editor.Dialogs->paths = {path("chosen.png")};
        static_cast<InfoPage *>(m_editor.Window->PageControl()->widget(3))->ChoosePicture();
        QCoreApplication::processEvents(); // a step of its own
        trigger("undoAction");
        m_editor.Dialogs->answers = {DialogAnswer::No};
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->questions.size(), 3);
        trigger("redoAction");
        trigger("saveAction");
        QCOMPARE(m_editor.Dialogs->questions.size(), 3);
        QVERIFY(!LoadDesignFile(path("pictured.vkd").toStdString()).Design->Picture.empty());
    }

    void theWindowShrinksNoFurtherThanItsPagesNeed()
    {
        for (int page = 0; page < m_editor.Window->PageControl()->count(); ++page) {
            m_editor.Window->PageControl()->setCurrentIndex(page);
            m_editor.Window->resize(100, 100);
            QTRY_COMPARE(m_editor.Window->size(), m_editor.Window->minimumSize());
            const QSize needed = m_editor.Window->minimumSizeHint();
            QVERIFY2(m_editor.Window->width() >= needed.width() && m_editor.Window->height() >= needed.height(),
                     qPrintable(QStringLiteral("%1 x %2 for contents of %3 x %4")
                                    .arg(m_editor.Window->width())
                                    .arg(m_editor.Window->height())
                                    .arg(needed.width())
                                    .arg(needed.height())));
        }
        // however long the results, they are shown whole
        vehicle().CurrencyName = std::string(16, 'W');
        vehicle().CurrencyMultiplier = 1e20;
        m_editor.Window->ShowResults();
        m_editor.Window->resize(100, 100);
        QTRY_COMPARE(m_editor.Window->size(), m_editor.Window->minimumSize());
        for (const char *name : {"lblFinalCost", "lblTV", "lblOTV", "lblDTV", "lblMTV"}) {
            const auto *label = m_editor.Window->findChild<QLabel *>(QString::fromLatin1(name));
            QTRY_VERIFY2(label->width() >= label->sizeHint().width(), name);
        }
    }

    // 1366 x 768 at 150 % leaves about 910 x 485 pixels of the window's size for it and its title
    // bar: the tallest pages scroll instead, and the status line is cut short with the whole line
    // in its tooltip.
    void theWindowFitsASmallScreenAtALargeScale()
    {
        MainWindow &window = *m_editor.Window;
        const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        const QSize needed = window.minimumSizeHint() + QSize(0, titleBar);
        QVERIFY2(needed.width() <= 910 && needed.height() <= 485,
                 qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
        window.resize(100, 100);
        QTRY_COMPARE(window.size(), window.minimumSize());
        const auto *general = window.GeneralTab()->findChild<QScrollArea *>();
        QVERIFY(general);
        QTRY_VERIFY(general->verticalScrollBar()->isVisible());
        // the wheel over a list on the way scrolls the page instead of changing the design
        auto *sizeType = window.findChild<QComboBox *>(QStringLiteral("cbSizeType"));
        const QPoint wasAt = sizeType->mapTo(&window, QPoint());
        const int type = sizeType->currentIndex();
        QWheelEvent wheel(QPointF(4, 4), sizeType->mapToGlobal(QPointF(4, 4)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(sizeType, &wheel);
        QCOMPARE(sizeType->currentIndex(), type);
        QVERIFY(sizeType->mapTo(&window, QPoint()).y() < wasAt.y());
        // the lowest box of the General page: where typing goes is scrolled into view
        QLineEdit *lowest = focusedBox("eLength");
        QVERIFY(lowest);
        QTRY_VERIFY(lowest->visibleRegion().contains(lowest->inputMethodQuery(Qt::ImCursorRectangle).toRect()));

        auto *line = window.findChild<QLabel *>(QStringLiteral("lblChange"));
        const QString whole =
            QStringLiteral("TV 53339.0 (+53325.0)   Final Cost 26,669,500,000.00 %1 (+26,668,650,000.00)")
                .arg(QString(16, QLatin1Char('W')));
        line->setText(whole);
        const auto pointAt = [line] {
            QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), line->mapToGlobal(QPoint(1, 1)));
            QCoreApplication::sendEvent(line, &help);
        };
        QTRY_VERIFY(line->width() < line->fontMetrics().horizontalAdvance(whole));
        pointAt();
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), whole);
        // a line that fits needs no tooltip
        window.resize(line->fontMetrics().horizontalAdvance(whole) + window.width(), window.height());
        QTRY_VERIFY(line->width() > line->fontMetrics().horizontalAdvance(whole));
        pointAt();
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void storedWindowPositionIsRestored()
    {
        m_editor.Window.reset();
        m_editor.Data->positions[0] = WindowPosition{60, 70, 540, 700};
        m_editor.Window = std::make_unique<MainWindow>();
        m_editor.Window->show();
        QCOMPARE(m_editor.Window->pos(), QPoint(70, 60));
        QCOMPARE(m_editor.Window->size(), QSize(700, 540));

        // stored values of 0 or below are not applied
        m_editor.Window.reset();
        m_editor.Data->positions[0] = WindowPosition{0, 0, -1, 650};
        m_editor.Window = std::make_unique<MainWindow>();
        const QPoint designed = m_editor.Window->pos();
        const int designedHeight = m_editor.Window->height();
        m_editor.Window->show();
        QCOMPARE(m_editor.Window->pos(), designed);
        QCOMPARE(m_editor.Window->height(), designedHeight);
        QCOMPARE(m_editor.Window->width(), 650);
    }
};

} // namespace aw

QTEST_MAIN(aw::LifecycleTest)
#include "tst_lifecycle.moc"
