// The record sheet as a PDF file and in the print preview; the exports are the same in
// every locale.
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"

#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"
#include "ui/MainWindow.h"
#include "ui/StoredProgramData.h"
#include "ui/document/VehicleDocument.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <clocale>
#include <memory>
#include <string>
#include <utility>

namespace aw {

namespace {

// Test program data with the program's own record-sheet layout and templates.
class SheetProgramData : public MemoryProgramData {
public:
    SheetLayoutSource SheetLayout(int layout) override { return StoredProgramData().SheetLayout(layout); }
    std::string SheetTemplate(SheetKind kind) override { return StoredProgramData().SheetTemplate(kind); }
};

// The C locale while it lives, for the C library, for Qt and in the environment (which
// std::locale("") reads); the locale before afterwards.
class CLocale {
public:
    CLocale() : m_before(std::setlocale(LC_ALL, nullptr)), m_environment(qgetenv("LC_ALL"))
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        qputenv("LC_ALL", "C");
    }
    ~CLocale()
    {
        std::setlocale(LC_ALL, m_before.c_str());
        QLocale::setDefault(QLocale::system());
        if (m_environment.isNull())
            qunsetenv("LC_ALL");
        else
            qputenv("LC_ALL", m_environment);
    }

private:
    std::string m_before;
    QByteArray m_environment;
};

} // namespace

class SheetExportsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MemoryProgramData> m_data;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    void trigger(const char *name) { m_window->findChild<QAction *>(QString::fromLatin1(name))->trigger(); }
    QString path(const char *name) { return m_folder.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("settings"));
    }

    void init()
    {
        m_data = std::make_unique<SheetProgramData>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->Document().Design().Name = "Tank: <Mk II>";
        m_window->ShowResults();
    }

    void cleanup()
    {
        m_window->Document().Design().Modified = false;
        m_window.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    // The text, HTML and JPEG exports of the open design, each through its menu command.
    QList<QByteArray> exportSheets(const QString &prefix)
    {
        QList<QByteArray> sheets;
        const std::pair<const char *, const char *> commands[] = {
            {"exportTextAction", ".txt"}, {"exportHtmlAction", ".html"}, {"exportJpegAction", ".jpg"}};
        for (const auto &[command, extension] : commands) {
            const QString file = m_folder.filePath(prefix + QLatin1String(command) + QLatin1String(extension));
            m_dialogs->paths = {file};
            trigger(command);
            QFile sheet(file);
            if (sheet.open(QIODevice::ReadOnly))
                sheets << sheet.readAll();
        }
        return sheets;
    }

    void pdfExportWritesOnePageDocument()
    {
        m_dialogs->paths = {path("sheet.pdf")};
        trigger("exportPdfAction");
        QVERIFY(m_dialogs->errors.isEmpty());
        const FileDialogOptions &asked = m_dialogs->saveDialogs.last();
        QCOMPARE(asked.DefaultExtension, QStringLiteral("pdf"));
        QCOMPARE(asked.Filter, QStringLiteral("PDF Files|*.pdf|All Files|*.*"));
        QCOMPARE(asked.FileName, QStringLiteral("Tank Mk II.pdf")); // without the characters a file name cannot hold
        QFile pdf(path("sheet.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
        QVERIFY(bytes.contains("/Image"));
        // titled with the design's name (a PDF text string: UTF-16 big-endian after a byte order mark)
        QByteArray title("/Title (\xfe\xff");
        for (const QChar c : QStringLiteral("Tank: <Mk II>"))
            title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
        QVERIFY(bytes.contains(title + ')'));

        // Cancelled: nothing written.
        m_dialogs->paths = {QString()};
        trigger("exportPdfAction");
        QVERIFY(!QFile::exists(path("cancelled.pdf")));
        QCOMPARE(m_dialogs->saveDialogs.size(), 2);
    }

    void printPreviewShowsTheSheetOnOnePage()
    {
        int pages = -1;
        QString documentName;
        bool painted = false;
        m_dialogs->modal = [&](QDialog &dialog) {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(&dialog);
            if (!preview)
                return int(QDialog::Rejected);
            connect(preview, &QPrintPreviewDialog::paintRequested, preview, [&](QPrinter *printer) {
                painted = true;
                documentName = printer->docName();
            });
            auto *widget = preview->findChild<QPrintPreviewWidget *>();
            widget->updatePreview();
            pages = widget->pageCount();
            return int(QDialog::Rejected);
        };
        trigger("printPreviewAction");
        QVERIFY(m_dialogs->errors.isEmpty());
        QCOMPARE(m_dialogs->modalDialogs, 1);
        QVERIFY(painted);
        QCOMPARE(pages, 1);
        QCOMPARE(documentName, m_window->windowHandle()->title());
        QCOMPARE(m_dialogs->printerDialogs, 0); // the preview has its own print button
    }

    // ctest runs this under de_DE.UTF-8 and tr_TR.UTF-8 as well.
    void exportsAreTheSameInEveryLocale()
    {
        // QApplication has taken the locale from the environment; one that is not installed
        // would leave C and prove nothing.
        const QByteArray wanted = qgetenv("LC_ALL");
        if (!wanted.isEmpty())
            QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), wanted);

        SaveDesignFile(*FullDesign(), QFile::encodeName(path("design.vkd")).toStdString());
        m_window->Document().Design().Modified = false;
        m_window->OpenFile(path("design.vkd"));
        QCOMPARE(m_window->Document().FileName(), path("design.vkd"));
        m_window->ShowResults();
        const QList<QByteArray> here = exportSheets(QStringLiteral("here-"));
        QList<QByteArray> inC;
        {
            const CLocale c;
            m_window->ShowResults();
            inC = exportSheets(QStringLiteral("c-"));
        }
        QVERIFY(m_dialogs->errors.isEmpty());
        QCOMPARE(here.size(), 3);
        QCOMPARE(inC.size(), 3);
        const char *kinds[] = {"text", "HTML", "JPEG"};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(here[i] == inC[i], kinds[i]);
        QVERIFY(here[0].contains("Sch\xFCtze"));
    }
};

} // namespace aw

QTEST_MAIN(aw::SheetExportsTest)
#include "tst_sheetexports.moc"
