#include "ui/dialogs/QtDialogProvider.h"

#include "ui/ApplicationTitle.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString boxTitle() { return ApplicationTitle(); }

DialogAnswer toAnswer(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    case QMessageBox::Ok:
        return DialogAnswer::Ok;
    default:
        return DialogAnswer::Cancel;
    }
}

// Messages carry names and paths the user typed: shown as they are, never as markup.
QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, boxTitle(), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (escape != QMessageBox::NoButton)
        box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

DialogAnswer ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton escape)
{
    return toAnswer(show(parent, QMessageBox::Question, text, buttons, escape));
}

void prepare(QFileDialog &dialog, const FileDialogOptions &options)
{
    dialog.setWindowTitle(options.title);
    dialog.setNameFilter(QtDialogProvider::QtFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultExtension);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
}

} // namespace

DialogAnswer QtDialogProvider::AskYesNo(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

DialogAnswer QtDialogProvider::AskYesNoCancel(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

DialogAnswer QtDialogProvider::AskOkCancel(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
}

void QtDialogProvider::Inform(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogProvider::Warn(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogProvider::ShowError(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QString QtDialogProvider::OpenFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent);
    prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtDialogProvider::SaveFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent);
    prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtDialogProvider::FolderName(QWidget *parent, const QString &title)
{
    return QFileDialog::getExistingDirectory(parent, title);
}

bool QtDialogProvider::PrinterSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogProvider::RunModal(QDialog &dialog) { return dialog.exec(); }

QString QtDialogProvider::QtFilter(const QString &pairs)
{
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        // "*.*" would leave out the files without an extension, which are common here.
        for (QString &pattern : patterns) {
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(' ').trimmed());
    }
    return filters.join(QStringLiteral(";;"));
}
