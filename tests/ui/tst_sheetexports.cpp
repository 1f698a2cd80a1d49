// The record sheet as a PDF file and in the print preview.
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"

#include "engine/Vehicle.h"
#include "ui/Editer.h"
#include "ui/StoredProgramData.h"
#include "ui/VehicleDocument.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

// Test program data with the program's own record-sheet layout.
class TSheetProgramData : public TMemoryProgramData {
public:
    std::vector<uint8_t> SheetLayout(int layout) override { return TStoredProgramData().SheetLayout(layout); }
};

} // namespace

class SheetExportsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<TMemoryProgramData> m_data;
    std::unique_ptr<TScriptedDialogs> m_dialogs;
    std::unique_ptr<TfrmEditer> m_window;

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
        m_data = std::make_unique<TSheetProgramData>();
        m_dialogs = std::make_unique<TScriptedDialogs>();
        m_window = std::make_unique<TfrmEditer>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->Document().Vehicle().Name = "Tank: <Mk II>";
        m_window->ShowResults();
    }

    void cleanup()
    {
        m_window->Document().Vehicle().Modified = false;
        m_window.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    void pdfExportWritesOnePageDocument()
    {
        m_dialogs->paths = {path("sheet.pdf")};
        trigger("PDF1");
        QVERIFY(m_dialogs->errors.isEmpty());
        const TFileDialogOptions &asked = m_dialogs->saveDialogs.last();
        QCOMPARE(asked.defaultExtension, QStringLiteral("pdf"));
        QCOMPARE(asked.filter, QStringLiteral("PDF Files|*.pdf|All Files|*.*"));
        QCOMPARE(asked.fileName, QStringLiteral("Tank Mk II")); // without the characters a file name cannot hold
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
        trigger("PDF1");
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
        trigger("PrintPreview1");
        QVERIFY(m_dialogs->errors.isEmpty());
        QCOMPARE(m_dialogs->modalDialogs, 1);
        QVERIFY(painted);
        QCOMPARE(pages, 1);
        QCOMPARE(documentName, m_window->windowHandle()->title());
        QCOMPARE(m_dialogs->printerDialogs, 0); // the preview has its own print button
    }
};

QTEST_MAIN(SheetExportsTest)
#include "tst_sheetexports.moc"
