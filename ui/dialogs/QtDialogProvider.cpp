#include "ui/dialogs/QtDialogProvider.h"

#include "ui/ApplicationTitle.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace aw {

namespace {

QString BoxTitle() { return ApplicationTitle(); }

DialogAnswer ToAnswer(QMessageBox::StandardButton button)
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
QMessageBox::StandardButton ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, BoxTitle(), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (escape != QMessageBox::NoButton)
        box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

DialogAnswer Ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton escape)
{
    return ToAnswer(ShowMessage(parent, QMessageBox::Question, text, buttons, escape));
}

void Prepare(QFileDialog &dialog, const FileDialogOptions &options)
{
    dialog.setWindowTitle(options.Title);
    dialog.setNameFilter(QtDialogProvider::QtFilter(options.Filter));
    dialog.setDefaultSuffix(options.DefaultExtension);
    if (!options.FileName.isEmpty())
        dialog.selectFile(options.FileName);
}

} // namespace

DialogAnswer QtDialogProvider::AskYesNo(QWidget *parent, const QString &text)
{
    return Ask(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

DialogAnswer QtDialogProvider::AskYesNoCancel(QWidget *parent, const QString &text)
{
    return Ask(parent, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

DialogAnswer QtDialogProvider::AskOkCancel(QWidget *parent, const QString &text)
{
    return Ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
}

void QtDialogProvider::Inform(QWidget *parent, const QString &text)
{
    ShowMessage(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogProvider::Warn(QWidget *parent, const QString &text)
{
    ShowMessage(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogProvider::ShowError(QWidget *parent, const QString &text)
{
    ShowMessage(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QString QtDialogProvider::OpenFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent);
    Prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

DialogProvider::SaveChoice QtDialogProvider::ChooseSaveFile(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent);
    Prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension takes that of the file type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &options](const QString &filter) {
        dialog.setDefaultSuffix(ExtensionOfFilter(filter, options.DefaultExtension));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(),
            int(QtFilter(options.Filter).split(QStringLiteral(";;")).indexOf(dialog.selectedNameFilter()))};
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

QString QtDialogProvider::ExtensionOfFilter(const QString &qtFilter, const QString &fallback)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ *?;)]+)[ )]"));
    const QRegularExpressionMatch match = firstPattern.match(qtFilter);
    return match.hasMatch() ? match.captured(1) : fallback;
}

} // namespace aw
