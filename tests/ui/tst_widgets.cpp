// The editor's own small widgets and helpers: the picture control's drawing rectangle,
// the log viewer's saving, the Windows-1252 boundary, dialog filters, window placement
// when an edit box counts as left and what design text boxes refuse.
#include "support/EditorDriver.h"
#include "support/ScriptedDialogs.h"

#include "base/Files.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/FileTypeExtension.h"
#include "ui/dialogs/LogViewer.h"
#include "ui/dialogs/QtDialogProvider.h"
#include "ui/document/RecentFiles.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/MemoBox.h"
#include "ui/widgets/MemoText.h"
#include "ui/widgets/PictureView.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <limits>

namespace aw {

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void stretchedAndCentredPictureKeepsItsShape()
    {
        QCOMPARE(PictureView::DestinationRect(231, 267, 400, 100, true, true), QRect(0, 104, 231, 58));
        // a tall picture: the height decides
        QCOMPARE(PictureView::DestinationRect(200, 100, 100, 200, true, false), QRect(0, 0, 50, 100));
        QCOMPARE(PictureView::DestinationRect(200, 100, 100, 200, true, true), QRect(75, 0, 50, 100));
        // a small picture is scaled up as well
        QCOMPARE(PictureView::DestinationRect(300, 300, 30, 10, true, true), QRect(0, 100, 300, 100));
    }

    void unstretchedLargePictureIsDrawnAtANegativeOffset()
    {
        QCOMPARE(PictureView::DestinationRect(100, 100, 301, 150, false, true), QRect(-100, -25, 301, 150));
        QCOMPARE(PictureView::DestinationRect(100, 100, 301, 150, false, false), QRect(0, 0, 301, 150));
    }

    void drawnSizeRoundsHalvesToEven()
    {
        // scale 1.25: 4 × 1.6 gives 4 × 2
        QCOMPARE(PictureView::DestinationRect(4, 4, 5, 2, true, false).size(), QSize(4, 2));
        // scale 2.5: 2 × 0.4 gives 2 × 0
        QCOMPARE(PictureView::DestinationRect(2, 2, 5, 1, true, false).size(), QSize(2, 0));
        // the height ratio is the larger: 6.4 × 4 gives 6 × 4
        QCOMPARE(PictureView::DestinationRect(16, 4, 8, 5, true, false).size(), QSize(6, 4));
        // scale 2: heights 2.5 and 3.5 go to the even neighbours 2 and 4
        QCOMPARE(PictureView::DestinationRect(5, 100, 10, 5, true, false).size(), QSize(5, 2));
        QCOMPARE(PictureView::DestinationRect(5, 100, 10, 7, true, false).size(), QSize(5, 4));
    }

    void emptyPictureIsNotOpaque()
    {
        PictureView image;
        QCOMPARE(image.size(), QSize(105, 105));
        QVERIFY(!image.IsOpaque());
        QImage big(200, 150, QImage::Format_RGB32);
        big.fill(Qt::red);
        image.SetPicture(big);
        QVERIFY(image.IsOpaque());
        image.SetTransparent(true);
        QVERIFY(!image.IsOpaque());
        image.SetTransparent(false);
        image.SetPicture(QImage(50, 50, QImage::Format_RGB32));
        QVERIFY(!image.IsOpaque()); // smaller than the control
        image.SetAutoSize(true);
        QCOMPARE(image.size(), QSize(50, 50));
        QVERIFY(image.IsOpaque());
        image.SetPicture(QImage());
        QVERIFY(!image.IsOpaque());
        QCOMPARE(image.size(), QSize(50, 50));
    }

    void stretchedPictureIsOpaqueOnlyWhileItCoversTheControl()
    {
        PictureView image;
        image.SetStretch(true);
        image.SetCenter(true);
        QImage square(50, 50, QImage::Format_RGB32);
        square.fill(Qt::red);
        image.SetPicture(square); // scaled up to the whole 105 x 105
        image.show();
        QVERIFY(QTest::qWaitForWindowExposed(&image));
        QVERIFY(image.IsOpaque());
        image.resize(200, 100); // 100 x 100 in the middle, bands left and right
        QTRY_VERIFY(!image.IsOpaque());
        image.resize(120, 120);
        QTRY_VERIFY(image.IsOpaque());
        QImage wide(400, 200, QImage::Format_RGB32);
        wide.fill(Qt::red);
        image.SetPicture(wide); // larger than the control, drawn 120 x 60
        QVERIFY(!image.IsOpaque());
    }

    void messageBoxesShowTextsAsTyped()
    {
        QtDialogProvider qt;
        const QString text = QStringLiteral("<b>Striker &amp; \"C:/a<b>.vkd\"");
        using Show = std::function<void()>;
        const QList<Show> boxes{
            [&] { qt.AskYesNo(nullptr, text); },    [&] { qt.AskYesNoCancel(nullptr, text); },
            [&] { qt.AskOkCancel(nullptr, text); }, [&] { qt.Inform(nullptr, text); },
            [&] { qt.Warn(nullptr, text); },        [&] { qt.ShowError(nullptr, text); },
        };
        for (const Show &show : boxes) {
            Qt::TextFormat format = Qt::RichText;
            QString shown;
            QTimer closer;
            connect(&closer, &QTimer::timeout, &closer, [&] {
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    auto *box = qobject_cast<QMessageBox *>(widget);
                    if (!box || !box->isVisible())
                        continue;
                    auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                    format = label->textFormat();
                    shown = label->text();
                    box->reject();
                }
            });
            closer.start(10);
            show();
            QCOMPARE(shown, text);
            QCOMPARE(format, Qt::PlainText);
        }
    }

    void windows1252CrossesTheBoundary()
    {
        const std::string bytes("Caf\xe9 \x80 \x93quoted\x94 \x8a");
        const QString text = cp1252::ToQt(bytes);
        QCOMPARE(text, QString::fromUtf8("Café € “quoted” Š"));
        QCOMPARE(cp1252::FromQt(text), bytes);
        // bytes Windows-1252 leaves undefined survive a round trip
        const std::string undefined("\x81\x8d\x8f\x90\x9d", 5);
        QCOMPARE(cp1252::FromQt(cp1252::ToQt(undefined)), undefined);
        // characters it cannot hold become one "?" each, also outside the basic plane
        QCOMPARE(cp1252::FromQt(QString::fromUtf8("a\u4e2db\U0001F600c")), std::string("a?b?c"));
        // A note's line ends are stored as CR LF; one already CR LF, and a lone CR, as they are.
        QCOMPARE(StoredMemoText(QString::fromUtf8("\nA\r\nB\r\r\nC\rD\n\n\U0001F600\n\u00e9")),
                 std::string("\r\nA\r\nB\r\r\nC\rD\r\n\r\n?\r\n\xe9"));
    }

    // An error names files as the system does (UTF-8) and quotes design texts as they are
    // stored (Windows-1252); the error box reads each part its own way, also when one
    // message holds both and a design text happens to look like UTF-8.
    void errorBoxReadsPathsAndDesignTextsEachTheirOwnWay()
    {
        ScriptedDialogs dialogs;
        QVERIFY(!RunGuarded(nullptr, [] {
            throw FileError(ErrorText("Caf\xe9 \xc3\xa9 cannot be written to ")
                                .File("/tmp/J\xc3\xb6rg/a.vkd")
                                .SystemText(": Zugriff verweigert \xe2\x80\x93 gesperrt"));
        }));
        QCOMPARE(dialogs.errors,
                 QStringList{QString::fromUtf8(
                     "Café Ã© cannot be written to \"/tmp/Jörg/a.vkd\": Zugriff verweigert – gesperrt")});
    }

    // What Windows-1252 cannot hold goes in as the plain letter or not at all, as it is typed
    // or pasted; it is never stored as "?".
    void designTextBoxesTakeTextAsWindows1252CanHoldIt()
    {
        const QString typed = QString::fromUtf8("Müller Ω 戦車 € Şahin Işık");
        const QString kept = QString::fromUtf8("Müller   € Sahin Isik");
        ExitEdit line;
        int exits = 0;
        QObject::connect(&line, &ExitEdit::Exited, [&exits] { ++exits; });
        driver::KeyIn(&line, typed + QString::fromUtf8("Ş"));
        QCOMPARE(line.text(), kept + QLatin1Char('S'));
        driver::Leave(&line); // the edit ends in a changed letter and still counts
        QCOMPARE(exits, 1);
        line.setText(kept);
        line.setCursorPosition(0);
        QApplication::clipboard()->setText(QString::fromUtf8("🚀ğ"));
        line.paste();
        QCOMPARE(line.text(), QStringLiteral("g") + kept);
        QCOMPARE(line.cursorPosition(), 1);

        MemoBox memo;
        driver::KeyIn(&memo, typed);
        QCOMPARE(memo.toPlainText(), kept);
        QApplication::clipboard()->setText(QString::fromUtf8("\n“ok” 戦 ő"));
        memo.paste();
        QCOMPARE(memo.toPlainText(), kept + QString::fromUtf8("\n“ok”  o"));
    }

    void dialogFiltersBecomeQtFilters()
    {
        // "All Files" shows the files without an extension too
        QCOMPARE(QtDialogProvider::QtFilter(QStringLiteral("Umbrant Files|*.vkd|All Files|*.*")),
                 QStringLiteral("Umbrant Files (*.vkd);;All Files (*)"));
        QCOMPARE(QtDialogProvider::QtFilter(QStringLiteral("HTML Files|*.html;*.htm|All Files|*.*")),
                 QStringLiteral("HTML Files (*.html *.htm);;All Files (*)"));
        QCOMPARE(QtDialogProvider::QtFilter(QStringLiteral("Odd|")), QStringLiteral("Odd ()"));
        QVERIFY(QtDialogProvider::QtFilter(QStringLiteral("Lonely")).isEmpty());
        // a name typed without an extension takes the chosen type's
        QCOMPARE(
            QtDialogProvider::ExtensionOfFilter(QStringLiteral("HTML Files (*.html *.htm)"), QStringLiteral("txt")),
            QStringLiteral("html"));
        QCOMPARE(QtDialogProvider::ExtensionOfFilter(QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("txt")),
                 QStringLiteral("pdf"));
        QCOMPARE(QtDialogProvider::ExtensionOfFilter(QStringLiteral("All Files (*)"), QStringLiteral("txt")),
                 QStringLiteral("txt"));
        // a name with dots gets the chosen type's extension unless it ends in one the dialog offers
        const QString summary = QStringLiteral("Text Files|*.txt|HTML Files|*.html;*.htm|All Files|*.*");
        QCOMPARE(WithFileTypeExtension(QStringLiteral("/f/Recon v1.2"), summary, 1),
                 QStringLiteral("/f/Recon v1.2.html"));
        QCOMPARE(WithFileTypeExtension(QStringLiteral("/f/Recon.HTM"), summary, 0), QStringLiteral("/f/Recon.HTM"));
        QCOMPARE(WithFileTypeExtension(QStringLiteral("/f/Recon v1.2"), summary, 2), QStringLiteral("/f/Recon v1.2"));
    }

    void windowsFitIntoTheScreenArea()
    {
        // a 1366 × 768 screen under a 40-pixel panel
        const QRect area(0, 0, 1366, 728);
        QCOMPARE(FitIntoArea(QRect(200, 100, 640, 491), area), QRect(200, 100, 640, 491));
        // taller than the area and centred on it: shrunk to it, the title bar on the screen
        QCOMPARE(FitIntoArea(QRect(65, -64, 1236, 936), area), QRect(65, 0, 1236, 728));
        QCOMPARE(FitIntoArea(QRect(900, 500, 640, 491), area), QRect(726, 237, 640, 491));
        // a minimum the area cannot hold: the top-left corner stays within reach
        QCOMPARE(FitIntoArea(QRect(65, -64, 1236, 936), area, QSize(974, 771)), QRect(65, 0, 1236, 771));
        QCOMPARE(FitIntoArea(QRect(-300, 200, 1500, 400), area, QSize(1400, 300)), QRect(0, 200, 1400, 400));

        const QRect left(0, 0, 1280, 1024);
        const QRect right(1280, 0, 1920, 1080);
        const QList<QRect> screens{left, right};
        const QRect onRight(1500, 100, 640, 480);
        QCOMPARE(KeepOnScreen(onRight, screens, left), onRight);
        // its bottom below the screen it lies on
        QCOMPARE(KeepOnScreen(QRect(1500, 900, 640, 480), screens, left), QRect(1500, 600, 640, 480));
        // only a sliver shows: onto the screen that shows it
        QCOMPARE(KeepOnScreen(QRect(1270, 1076, 640, 480), screens, left), QRect(1280, 600, 640, 480));
        // a monitor that is gone
        QVERIFY(left.contains(KeepOnScreen(QRect(4000, 3000, 640, 480), screens, left)));
        // from a larger screen: shrunk to the screen it mostly lies on
        QCOMPARE(KeepOnScreen(QRect(100, 50, 1920, 1200), screens, left), left);
        QCOMPARE(KeepOnScreen(QRect(-5000, 0, 3000, 2000), screens, left), left);
    }

    void windowsArePlacedOnlyByStoredValues()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const auto inside = [&](const QWidget &window) {
            return available.contains(QRect(window.pos(), window.size())) && !window.size().isEmpty();
        };
        // nothing stored: the window manager places the window
        QWidget unplaced;
        ApplyWindowPosition(unplaced, {});
        QVERIFY(!unplaced.testAttribute(Qt::WA_Moved));
        // a size larger than the screen, stored on a larger screen
        QWidget sized;
        ApplyWindowPosition(sized, {-1, -1, 5000, 5000});
        QVERIFY(!sized.testAttribute(Qt::WA_Moved));
        QVERIFY(sized.width() <= available.width() && sized.height() <= available.height());
        QVERIFY(sized.height() > 0);
        // a position that leaves the bottom of the window below the screen
        QWidget low;
        ApplyWindowPosition(low, {available.bottom() - 50, 100, 300, 200});
        QVERIFY(inside(low));
        QCOMPARE(low.x(), 100);
        QCOMPARE(low.size(), QSize(200, 300));
        // a stored position as far out as a damaged settings file may hold
        const int far = std::numeric_limits<int>::max();
        QWidget window;
        ApplyWindowPosition(window, {far, far, 300, 200});
        QVERIFY(inside(window));

        // windows of a fixed first size
        QWidget big;
        big.resize(available.size() * 2);
        FitToScreen(big);
        QVERIFY(!big.testAttribute(Qt::WA_Moved));
        QVERIFY(big.width() <= available.width() && big.height() <= available.height());
        QWidget moved;
        moved.resize(300, 200);
        moved.move(available.right() - 100, 10);
        FitToScreen(moved);
        QVERIFY(inside(moved));
        QCOMPARE(moved.size(), QSize(300, 200));
        // centred; a window wider than the screen starts at its left edge
        QWidget centred;
        centred.resize(300, 200);
        CentreOnScreen(centred);
        QVERIFY(inside(centred));
        // (the frame is centred; the window inside it may stand a border's width to one side)
        const int leftGap = centred.x() - available.left();
        const int rightGap = available.right() - (centred.x() + centred.width() - 1);
        QVERIFY2(qAbs(leftGap - rightGap) <= 10, qPrintable(QStringLiteral("%1 %2").arg(leftGap).arg(rightGap)));
        QWidget wide;
        wide.setMinimumSize(available.width() + 200, 100);
        CentreOnScreen(wide);
        QCOMPARE(wide.x(), available.left());
    }

    void logViewerSavesLinesWithCrLf()
    {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        LogViewer viewer;
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Log Viewer"));
        viewer.SetLines({"first", "", "  indented \xe9", "Tank\xa0Mk"});
        dialogs.paths = {folder.filePath(QStringLiteral("log.txt"))};
        QTest::mouseClick(viewer.findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        QCOMPARE(dialogs.saveDialogs.size(), 1);
        QCOMPARE(dialogs.saveDialogs[0].Title, QStringLiteral("Log File Save Location"));
        QCOMPARE(dialogs.saveDialogs[0].DefaultExtension, QStringLiteral("txt"));
        QCOMPARE(dialogs.saveDialogs[0].Filter, QStringLiteral("Text Files|*.txt|All Files|*.*"));
        QFile saved(folder.filePath(QStringLiteral("log.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("first\r\n\r\n  indented \xe9\r\nTank\xa0Mk\r\n")); // no-break space kept
    }

    void logViewerSavesWhatWasTyped()
    {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        LogViewer viewer;
        viewer.SetLines({"one"});
        auto *log = viewer.findChild<QPlainTextEdit *>(QStringLiteral("mLog"));
        log->moveCursor(QTextCursor::End);
        QTest::keyClicks(log, QStringLiteral(" more"));
        QTest::keyClick(log, Qt::Key_Return);
        QTest::keyClicks(log, QStringLiteral("two"));
        QTest::keyClick(log, Qt::Key_Return);
        // as the design's boxes take what Windows-1252 cannot hold: never saved as "?"
        driver::KeyIn(log, QString::fromUtf8("Şahin ığ "));
        QApplication::clipboard()->setText(QString::fromUtf8("😀€"));
        log->paste();
        const QStringList typed{"one more", "two", QString::fromUtf8("Sahin ig €")};
        QCOMPARE(viewer.Lines(), typed);
        QTest::keyClick(log, Qt::Key_Tab); // moves on to the buttons, typing nothing
        QCOMPARE(viewer.Lines(), typed);

        // a cancelled dialog writes nothing and leaves the text alone
        dialogs.paths = {QString()};
        viewer.SaveLog();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 0);
        QCOMPARE(viewer.Lines(), typed);

        dialogs.paths = {folder.filePath(QStringLiteral("typed.txt"))};
        viewer.SaveLog();
        QFile saved(folder.filePath(QStringLiteral("typed.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("one more\r\ntwo\r\nSahin ig \x80\r\n"));

        log->clear();
        QVERIFY(viewer.Lines().isEmpty());
    }

    void logViewerReportsAFileThatCannotBeCreated()
    {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        LogViewer viewer;
        viewer.SetLines({"line"});
        dialogs.paths = {folder.filePath(QStringLiteral("no/such/folder/log.txt"))};
        QTest::mouseClick(viewer.findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(viewer.Lines(), QStringList{QStringLiteral("line")});

        // Nor is the open design's own file replaced, whatever file type is chosen.
        const QString design = folder.filePath(QStringLiteral("design.vkd"));
        const QByteArray designBytes("design bytes");
        QFile file(design);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(designBytes) == designBytes.size());
        file.close();
        viewer.SetDesignFile(design);
        dialogs.fileType = 1; // All Files
        dialogs.paths = {design};
        QTest::mouseClick(viewer.findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        QCOMPARE(dialogs.errors.size(), 2);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), designBytes);
    }

    void recentFilesAreNewestFirstWithoutRepeats()
    {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        RecentFiles recent;
        QSignalSpy changed(&recent, &RecentFiles::Changed);
        for (int i = 0; i < RecentFiles::Capacity + 2; ++i)
            recent.Add(folder.filePath(QStringLiteral("d%1.vkd").arg(i)));
        QCOMPARE(recent.Paths().size(), RecentFiles::Capacity);
        QCOMPARE(recent.Paths().first(), folder.filePath(QStringLiteral("d9.vkd")));
        QCOMPARE(recent.Paths().last(), folder.filePath(QStringLiteral("d2.vkd")));
        recent.Add(folder.filePath(QStringLiteral("d5.vkd")));
        QCOMPARE(recent.Paths().first(), folder.filePath(QStringLiteral("d5.vkd")));
        QCOMPARE(recent.Paths().count(folder.filePath(QStringLiteral("d5.vkd"))), 1);
        recent.Remove(folder.filePath(QStringLiteral("d9.vkd")));
        QCOMPARE(recent.Paths().size(), RecentFiles::Capacity - 1);
        QVERIFY(changed.count() >= RecentFiles::Capacity + 4);

        RecentFiles again;
        again.Load();
        QCOMPARE(again.Paths(), recent.Paths());

        // two windows (or editors) keep each other's files, whichever closes last
        again.Add(folder.filePath(QStringLiteral("other.vkd")));
        recent.Add(folder.filePath(QStringLiteral("mine.vkd")));
        RecentFiles both;
        both.Load();
        QCOMPARE(both.Paths().mid(0, 2), (QStringList{folder.filePath(QStringLiteral("mine.vkd")),
                                                      folder.filePath(QStringLiteral("other.vkd"))}));
        recent.Remove(folder.filePath(QStringLiteral("mine.vkd")));
        again.Remove(folder.filePath(QStringLiteral("other.vkd")));

        // a design opened before the list is read (named on the command line) stays first
        RecentFiles before;
        before.Load();
        RecentFiles started;
        started.Add(folder.filePath(QStringLiteral("started.vkd")));
        started.Load();
        QCOMPARE(started.Paths().first(), folder.filePath(QStringLiteral("started.vkd")));
        QCOMPARE(started.Paths().mid(1), before.Paths().mid(0, RecentFiles::Capacity - 1));
    }

    void editBoxIsLeftOnlyForAnotherControl()
    {
        ExitEdit edit;
        QTest::keyClicks(&edit, QStringLiteral("5"));
        QSignalSpy exited(&edit, &ExitEdit::Exited);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(&edit, &popup);
        QFocusEvent window(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&edit, &window);
        QCOMPARE(exited.count(), 0);
        QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &tab);
        QCOMPARE(exited.count(), 1);
        QTest::keyClicks(&edit, QStringLiteral("0"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(exited.count(), 2);
    }

    // Leaving a box commits what was typed in it, also the text it showed; leaving it
    // untouched, or again after a commit, commits nothing.
    void editBoxCommitsWhatWasTyped()
    {
        ExitEdit edit;
        edit.setText(QStringLiteral("100"));
        QSignalSpy exited(&edit, &ExitEdit::Exited);
        QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &tab);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(exited.count(), 0);
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("100"));
        QApplication::sendEvent(&edit, &tab);
        QApplication::sendEvent(&edit, &tab);
        QCOMPARE(exited.count(), 1);

        QTest::keyClicks(&edit, QStringLiteral("5"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(exited.count(), 3);

        // A text the program shows counts as shown, also one the user typed before.
        QTest::keyClicks(&edit, QStringLiteral("7"));
        edit.setText(QStringLiteral("1007"));
        QApplication::sendEvent(&edit, &tab);
        edit.setText(QStringLiteral("100"));
        QApplication::sendEvent(&edit, &tab);
        QCOMPARE(exited.count(), 3);
    }
};

} // namespace aw

QTEST_MAIN(aw::WidgetsTest)
#include "tst_widgets.moc"
