#include "ScriptedDialogs.h"

#include <QDialog>

TScriptedDialogs::TScriptedDialogs()
{
    SetDialogProvider(this);
}

TScriptedDialogs::~TScriptedDialogs()
{
    SetDialogProvider(nullptr);
}

TDialogAnswer TScriptedDialogs::Next(const QString &text, TDialogAnswer whenNone)
{
    questions << text;
    if (answers.isEmpty()) {
        unanswered << text;
        return whenNone;
    }
    return answers.takeFirst();
}

QString TScriptedDialogs::NextPath()
{
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

TDialogAnswer TScriptedDialogs::AskYesNo(QWidget *, const QString &text)
{
    return Next(text, TDialogAnswer::No);
}

TDialogAnswer TScriptedDialogs::AskYesNoCancel(QWidget *, const QString &text)
{
    return Next(text, TDialogAnswer::Cancel);
}

TDialogAnswer TScriptedDialogs::AskOkCancel(QWidget *, const QString &text)
{
    return Next(text, TDialogAnswer::Cancel);
}

void TScriptedDialogs::Inform(QWidget *, const QString &text)
{
    informations << text;
}

void TScriptedDialogs::Warn(QWidget *, const QString &text)
{
    warnings << text;
}

void TScriptedDialogs::ShowError(QWidget *, const QString &text)
{
    errors << text;
}

QString TScriptedDialogs::OpenFileName(QWidget *, const TFileDialogOptions &options)
{
    openDialogs << options;
    return NextPath();
}

QString TScriptedDialogs::SaveFileName(QWidget *, const TFileDialogOptions &options)
{
    saveDialogs << options;
    return NextPath();
}

bool TScriptedDialogs::PrinterSetup(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    if (acceptPrinter && preparePrinter)
        preparePrinter(printer);
    return acceptPrinter;
}

int TScriptedDialogs::RunModal(QDialog &dialog)
{
    ++modalDialogs;
    return modal ? modal(dialog) : QDialog::Rejected;
}
