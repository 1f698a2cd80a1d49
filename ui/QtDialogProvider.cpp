#include "ui/QtDialogProvider.h"

#include "ui/ApplicationTitle.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString boxTitle()
{
    return ApplicationTitle();
}

TDialogAnswer toAnswer(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return TDialogAnswer::Yes;
    case QMessageBox::No: return TDialogAnswer::No;
    case QMessageBox::Ok: return TDialogAnswer::Ok;
    default: return TDialogAnswer::Cancel;
    }
}

TDialogAnswer ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                  QMessageBox::StandardButton escape)
{
    QMessageBox box(QMessageBox::Question, boxTitle(), text, buttons, parent);
    box.setEscapeButton(escape);
    return toAnswer(static_cast<QMessageBox::StandardButton>(box.exec()));
}

void prepare(QFileDialog &dialog, const TFileDialogOptions &options)
{
    dialog.setWindowTitle(options.title);
    dialog.setNameFilter(TQtDialogProvider::QtFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultExtension);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
}

} // namespace

TDialogAnswer TQtDialogProvider::AskYesNo(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

TDialogAnswer TQtDialogProvider::AskYesNoCancel(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

TDialogAnswer TQtDialogProvider::AskOkCancel(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
}

void TQtDialogProvider::Inform(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void TQtDialogProvider::Warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, boxTitle(), text);
}

void TQtDialogProvider::ShowError(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, boxTitle(), text);
}

QString TQtDialogProvider::OpenFileName(QWidget *parent, const TFileDialogOptions &options)
{
    QFileDialog dialog(parent);
    prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString TQtDialogProvider::SaveFileName(QWidget *parent, const TFileDialogOptions &options)
{
    QFileDialog dialog(parent);
    prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool TQtDialogProvider::PrinterSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int TQtDialogProvider::RunModal(QDialog &dialog)
{
    return dialog.exec();
}

QString TQtDialogProvider::QtFilter(const QString &pairs)
{
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.trimmed());
    }
    return filters.join(QStringLiteral(";;"));
}
