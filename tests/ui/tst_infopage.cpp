// The "Info" page: the eight suggestion boxes and their drop-down lists, the three notes,
// and the picture (loading, refusing, removing, and a new design without one).
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "engine/DesignFilePicture.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"
#include "ui/MainWindow.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/InfoPage.h"
#include "ui/widgets/PictureView.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace aw {

class InfoPageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    EditorFixture m_editor;

    Vehicle &vehicle() { return m_editor.Design(); }
    InfoPage *page() { return static_cast<InfoPage *>(m_editor.Window->PageControl()->widget(3)); }
    void open() { m_editor.Window->PageControl()->setCurrentIndex(3); }
    QStringList items(int box)
    {
        QStringList texts;
        for (int i = 0; i < page()->Box(box)->count(); ++i)
            texts << page()->Box(box)->itemText(i);
        return texts;
    }
    QPlainTextEdit *memo(const char *name)
    {
        return m_editor.Window->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
    }
    QString picturePath(const char *name, const QImage &image)
    {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        if (!image.save(path))
            qFatal("cannot write %s", name);
        return path;
    }
    // A JPEG of width x height stored pixels whose EXIF orientation (6) shows it a quarter turned.
    QString quarterTurnedPhotoPath(const char *name, int width, int height)
    {
        const QString path = picturePath(name, filled(width, height, Qt::blue));
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            qFatal("cannot rewrite %s", name);
        QByteArray jpeg = file.readAll();
        static const char exif[] = "\xFF\xE1\x00\x22"
                                   "Exif\0\0MM\x00\x2A\x00\x00\x00\x08"                       // big-endian, IFD at 8
                                   "\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00" // orientation 6
                                   "\x00\x00\x00\x00";
        jpeg.insert(2, QByteArray(exif, sizeof exif - 1));
        file.seek(0);
        file.write(jpeg);
        return path;
    }
    static QImage filled(int width, int height, QColor colour)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    static QImage decoded(const std::vector<uint8_t> &bytes)
    {
        return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    }
    void loadPicture(const QString &path)
    {
        m_editor.Dialogs->paths = {path};
        page()->ChoosePicture();
    }

private slots:
    void init() { QVERIFY(m_editor.Start()); }
    void cleanup() { m_editor.Stop(); }

    void threeListsFillThreeBoxesAndLeaveTheRestEmpty()
    {
        m_editor.Data->dropDown = "Boat\r\nTank\r\n|\r\nRecon\r\n\r\n|\r\nAcme\r\n";
        m_editor.Window->LoadDropDownLists();
        QCOMPARE(items(0), QStringList({"Boat", "Tank"}));
        QCOMPARE(items(1), QStringList({"Recon", ""}));
        QCOMPARE(items(2), QStringList({"Acme"}));
        for (int box = 3; box < InfoPage::BoxCount; ++box)
            QCOMPARE(page()->Box(box)->count(), 0);
        // Filling the suggestions is no change of the design, and the boxes still show it.
        QVERIFY(!vehicle().Modified);
        QCOMPARE(page()->Box(0)->currentText(), QString());
        QCOMPARE(vehicle().VehicleType, std::string());

        // A damaged list file is said once, and the design is still shown whole.
        m_editor.Data->dropDownDamaged = true;
        vehicle().CurrencyName = "Marks";
        for (int shown = 0; shown < 2; ++shown)
            m_editor.Window->ShowDesign();
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QCOMPARE(m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eCurrName"))->text(), QStringLiteral("Marks"));
        QCOMPARE(page()->Box(0)->count(), 0);
    }

    void showingTheDesignSetsNoFlag()
    {
        vehicle().VehicleUse = "Recon";
        vehicle().ArmorThickness = "12 cm";
        vehicle().Description = "Line one\r\nLine two";
        vehicle().Extra = "x";
        open();
        QCOMPARE(page()->Box(1)->currentText(), QStringLiteral("Recon"));
        QCOMPARE(page()->Box(7)->currentText(), QStringLiteral("12 cm"));
        // A shown text wider than its box reads from its start.
        QCOMPARE(page()->Box(1)->lineEdit()->cursorPosition(), 0);
        QCOMPARE(memo("descriptionMemo")->toPlainText(), QStringLiteral("Line one\nLine two"));
        QCOMPARE(memo("memoExtra")->toPlainText(), QStringLiteral("x"));
        QVERIFY(!vehicle().Modified);
    }

    void typedTextIsStoredCutTo250()
    {
        open();
        QLineEdit *line = page()->Box(3)->lineEdit();
        QTest::keyClicks(line, QStringLiteral("Free Traders"));
        QCOMPARE(vehicle().Affiliation, std::string("Free Traders"));
        QVERIFY(vehicle().Modified);
        line->selectAll();
        QTest::keyClicks(line, QString(300, QLatin1Char('a')));
        QCOMPARE(vehicle().Affiliation, std::string(250, 'a'));
    }

    // Characters Windows-1252 cannot hold are refused as typed: what is shown is what is stored.
    void typedTextKeepsOnlyWhatTheDesignCanHold()
    {
        open();
        const QString typed = QString::fromUtf8("Müller Ω 戦車 €");
        driver::KeyIn(page()->Box(3)->lineEdit(), typed);
        driver::KeyIn(memo("historyMemo"), typed);
        const std::string stored("M\xfcller   \x80");
        QCOMPARE(vehicle().Affiliation, stored);
        QCOMPARE(vehicle().History, stored);
        m_editor.Window->PageControl()->setCurrentIndex(0);
        open();
        QCOMPARE(page()->Box(3)->currentText(), QString::fromUtf8("Müller   €"));
        QCOMPARE(memo("historyMemo")->toPlainText(), QString::fromUtf8("Müller   €"));
    }

    void pickingASuggestionStoresIt()
    {
        m_editor.Data->dropDown = "Boat\r\nTank\r\n";
        m_editor.Window->LoadDropDownLists();
        open();
        page()->Box(0)->setCurrentIndex(1);
        QCOMPARE(vehicle().VehicleType, std::string("Tank"));
        QVERIFY(vehicle().Modified);
    }

    void notesAreStoredWithWindowsLineEnds()
    {
        open();
        QPlainTextEdit *history = memo("historyMemo");
        QTest::keyClicks(history, QStringLiteral("Built"));
        QTest::keyClick(history, Qt::Key_Return);
        QTest::keyClicks(history, QStringLiteral("Lost"));
        QCOMPARE(vehicle().History, std::string("Built\r\nLost"));
        QVERIFY(vehicle().Modified);
        QCOMPARE(memo("descriptionMemo")->objectName(), QStringLiteral("descriptionMemo"));
        QCOMPARE(m_editor.Window->findChild<QTabWidget *>(QStringLiteral("notePages"))->tabText(1),
                 QStringLiteral("History"));
    }

    void aChosenPictureIsStoredAsABitmap()
    {
        open();
        const QString png = picturePath("tank.png", filled(40, 20, Qt::red));
        loadPicture(png);
        QCOMPARE(m_editor.Dialogs->openDialogs.size(), 1);
        // every picture type first, as the default
        const QString filter = m_editor.Dialogs->openDialogs[0].Filter;
        QVERIFY2(filter.startsWith(QStringLiteral("All images|*.")), qPrintable(filter));
        for (const char *type : {"*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif"})
            QVERIFY2(filter.section(QLatin1Char('|'), 1, 1).split(QLatin1Char(';')).contains(QLatin1String(type)),
                     type);
        QVERIFY(filter.endsWith(QStringLiteral("|BMP|*.BMP|All Files|*.*")));
        const std::vector<uint8_t> &stored = vehicle().Picture;
        QVERIFY(stored.size() > 2 && stored[0] == 'B' && stored[1] == 'M');
        QCOMPARE(BitmapProblem(stored), std::string());
        const QImage back = decoded(stored);
        QCOMPARE(back.size(), QSize(40, 20));
        QCOMPARE(QColor(back.pixel(5, 5)), QColor(Qt::red));
        QVERIFY(vehicle().Modified);
        QVERIFY(page()->Picture()->Stretch());
        QCOMPARE(page()->Picture()->Picture().size(), QSize(40, 20));
    }

    void aFileThatIsNoPictureKeepsTheOldOne()
    {
        open();
        loadPicture(picturePath("first.bmp", filled(8, 8, Qt::blue)));
        const std::vector<uint8_t> first = vehicle().Picture;
        vehicle().Modified = false;

        const QString broken = m_folder.filePath(QStringLiteral("broken.bmp"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BM this is not a bitmap at all");
        file.close();
        loadPicture(broken);
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QVERIFY(m_editor.Dialogs->errors[0].contains(QStringLiteral("broken.bmp")));
        QCOMPARE(vehicle().Picture, first);
        QVERIFY(!vehicle().Modified);

        // a bitmap cut short, which Qt's reader would take with leftover memory for the rest;
        // wider than the page shows, yet refused before the user is asked to scale it
        QFile cut(picturePath("cut.bmp", filled(2000, 10, Qt::red)));
        QVERIFY(cut.resize(cut.size() * 6 / 10));
        loadPicture(cut.fileName());
        QCOMPARE(m_editor.Dialogs->errors.size(), 2);
        QCOMPARE(m_editor.Dialogs->errors[1],
                 QStringLiteral("The picture \"cut.bmp\" could not be loaded: its pixel data is cut short."));
        QVERIFY(m_editor.Dialogs->questions.isEmpty());
        QCOMPARE(vehicle().Picture, first);
        QVERIFY(!vehicle().Modified);
    }

    void aPictureLargerThanTheLimitIsRefused()
    {
        open();
        loadPicture(picturePath("wide.png", filled(int(kMaxPictureSide) + 1, 1, Qt::green)));
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QVERIFY(m_editor.Dialogs->errors[0].contains(QString::number(kMaxPictureSide)));
        QVERIFY(vehicle().Picture.empty());

        // Exactly at the limit is taken.
        loadPicture(picturePath("edge.png", filled(int(kMaxPictureSide), 1, Qt::green)));
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QCOMPARE(decoded(vehicle().Picture).width(), int(kMaxPictureSide));
    }

    void aPictureLargerThanThePageShowsIsScaledDownWhenTheUserAgrees()
    {
        open();
        const QString large = picturePath("large.png", filled(3200, 1000, Qt::blue));
        m_editor.Dialogs->answers = {DialogAnswer::Yes, DialogAnswer::No};
        loadPicture(large);
        QCOMPARE(m_editor.Dialogs->questions.size(), 1);
        QVERIFY2(m_editor.Dialogs->questions[0].contains(QStringLiteral("3200 x 1000")),
                 qPrintable(m_editor.Dialogs->questions[0]));
        QCOMPARE(decoded(vehicle().Picture).size(), QSize(1600, 500));
        QCOMPARE(QColor(decoded(vehicle().Picture).pixel(800, 250)), QColor(Qt::blue));
        loadPicture(large);
        QCOMPARE(decoded(vehicle().Picture).size(), QSize(3200, 1000));
        // one that the page shows in full is taken without a question
        loadPicture(picturePath("fits.png", filled(1000, 1600, Qt::blue)));
        QCOMPARE(m_editor.Dialogs->questions.size(), 2);
        QCOMPARE(decoded(vehicle().Picture).size(), QSize(1000, 1600));
        // A photo with more pixels than a design holds is scaled without a question whose No
        // could only fail, also one beyond Qt's usual memory limit for one picture.
        loadPicture(picturePath("photo.jpg", filled(8000, 6000, Qt::blue)));
        QCOMPARE(m_editor.Dialogs->questions.size(), 2);
        QCOMPARE(m_editor.Dialogs->errors, QStringList());
        QCOMPARE(decoded(vehicle().Picture).size(), QSize(1600, 1200));
        // a photo its orientation turns upright is asked about at the size it is shown
        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        loadPicture(quarterTurnedPhotoPath("upright.jpg", 4000, 1000));
        QCOMPARE(m_editor.Dialogs->questions.size(), 3);
        QVERIFY2(m_editor.Dialogs->questions[2].contains(QStringLiteral("1000 x 4000")),
                 qPrintable(m_editor.Dialogs->questions[2]));
        QCOMPARE(decoded(vehicle().Picture).size(), QSize(400, 1600));
    }

    void aRunLengthBitmapIsStoredWithTheSkippedPixelsInPaletteColourZero()
    {
        open();
        // the bottom row is skipped; the top row's run of six stops at the edge, not in the row below
        const std::vector<uint8_t> coded = samples::RunLengthBitmapFile(4, 2, 8, {0, 0, 6, 1, 0, 1});
        const QString path = m_folder.filePath(QStringLiteral("coded.bmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(coded.data()), static_cast<qint64>(coded.size()));
        file.close();
        loadPicture(path);
        const QImage stored = decoded(vehicle().Picture);
        QCOMPARE(stored.size(), QSize(4, 2));
        for (int x = 0; x < 4; ++x) {
            QCOMPARE(stored.pixel(x, 0), qRgb(16, 239, 40));
            QCOMPARE(stored.pixel(x, 1), qRgb(0, 255, 40));
        }
        // one with more pixels than a design holds is expanded too, then scaled down
        const std::vector<uint8_t> large = samples::RunLengthBitmapFile(5000, 4000, 8, {0, 1});
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(large.data()), static_cast<qint64>(large.size()));
        file.close();
        loadPicture(path);
        QCOMPARE(m_editor.Dialogs->errors, QStringList());
        QCOMPARE(decoded(vehicle().Picture).size(), QSize(1600, 1280));
        QCOMPARE(decoded(vehicle().Picture).pixel(800, 640), qRgb(0, 255, 40));
    }

    void answeringNoKeepsThePicture()
    {
        open();
        loadPicture(picturePath("keep.bmp", filled(8, 8, Qt::blue)));
        const std::vector<uint8_t> picture = vehicle().Picture;
        vehicle().Modified = false;
        m_editor.Dialogs->answers = {DialogAnswer::No};
        QTest::mouseRelease(page()->Picture(), Qt::RightButton);
        QCOMPARE(m_editor.Dialogs->questions, QStringList({"Do you wish to remove the picture?"}));
        QCOMPARE(vehicle().Picture, picture);
        QVERIFY(!vehicle().Modified);

        m_editor.Dialogs->answers = {DialogAnswer::Yes};
        QTest::mouseRelease(page()->Picture(), Qt::RightButton);
        QVERIFY(vehicle().Picture.empty());
        QVERIFY(vehicle().Modified);
        QVERIFY(page()->Picture()->Picture().isNull());
        QVERIFY(!page()->Picture()->Stretch());
    }

    void rightClickWithoutAPictureAsksNothing()
    {
        open();
        QTest::mouseRelease(page()->Picture(), Qt::RightButton);
        QTest::mouseRelease(page()->Picture(), Qt::LeftButton);
        QVERIFY(m_editor.Dialogs->questions.isEmpty());
        QVERIFY(!vehicle().Modified);
    }

    void doubleClickOnThePictureOpensTheDialog()
    {
        open();
        m_editor.Dialogs->paths = {picturePath("dbl.bmp", filled(4, 4, Qt::black))};
        QTest::mouseDClick(page()->Picture(), Qt::LeftButton);
        QCOMPARE(m_editor.Dialogs->openDialogs.size(), 1);
        QVERIFY(!vehicle().Picture.empty());
    }

    // An undo that leaves the picture as it was does not decode it again; one that brings
    // back another picture shows that one.
    void undoDecodesThePictureOnlyWhenItChanged()
    {
        open();
        for (int width : {8, 18}) {
            loadPicture(picturePath(width == 8 ? "first.bmp" : "second.bmp", filled(width, 4, Qt::blue)));
            QCoreApplication::processEvents(); // a step of its own
        }
        QTest::keyClicks(page()->Box(3)->lineEdit(), QStringLiteral("x"));
        QCoreApplication::processEvents();
        const qint64 shown = page()->Picture()->Picture().cacheKey();
        QAction *undo = m_editor.Window->findChild<QAction *>(QStringLiteral("undoAction"));
        undo->trigger(); // the typed text
        QCoreApplication::processEvents();
        QVERIFY(vehicle().Affiliation.empty());
        QCOMPARE(page()->Picture()->Picture().cacheKey(), shown);
        undo->trigger(); // the second picture
        QCoreApplication::processEvents();
        QCOMPARE(page()->Picture()->Picture().size(), QSize(8, 4));
    }

    void aNewDesignShowsNoPicture()
    {
        open();
        loadPicture(picturePath("old.bmp", filled(8, 8, Qt::blue)));
        QVERIFY(!page()->Picture()->Picture().isNull());
        vehicle().Modified = false;
        m_editor.Window->NewDesign();
        open();
        QVERIFY(vehicle().Picture.empty());
        QVERIFY(page()->Picture()->Picture().isNull());
        QVERIFY(!page()->Picture()->Stretch());
    }

    void draggingTheSplitterKeepsBothPanesAtLeast110Wide()
    {
        open();
        auto *handle = m_editor.Window->findChild<QWidget *>(QStringLiteral("infoSplitter"));
        QWidget *notes = m_editor.Window->findChild<QTabWidget *>(QStringLiteral("notePages"));
        QWidget *splitter = handle->parentWidget();
        // The page lays the splitter out across its width (margins of 4) once it shows.
        QTRY_COMPARE(splitter->width(), splitter->parentWidget()->width() - 8);
        QTRY_COMPARE(handle->x(), notes->width());
        const int start = notes->width();
        auto drag = [handle](int toX) {
            const QPoint from(2, 10);
            QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(handle, &press);
            const QPoint to(toX, 10);
            QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(handle, &move);
        };
        drag(2 - 40);
        QCOMPARE(notes->width(), start - 40);
        drag(-5000);
        QCOMPARE(notes->width(), 110);
        drag(5000);
        QCOMPARE(splitter->width() - notes->width() - handle->width(), 110);
        QCOMPARE(handle->x(), notes->width());
    }

    void notesWidthIsARememberedLayoutValue()
    {
        LayoutValues values;
        values.fill(-1);
        values[1] = 250;
        m_editor.Window->ApplyLayoutValues(values);
        open();
        QTRY_COMPARE(m_editor.Window->findChild<QTabWidget *>(QStringLiteral("notePages"))->width(), 250);
        QCOMPARE(m_editor.Window->CurrentLayoutValues()[1], 250);
    }
};

} // namespace aw

QTEST_MAIN(aw::InfoPageTest)
#include "tst_infopage.moc"
