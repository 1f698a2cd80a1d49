#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDialog>

namespace aw {

ScriptedDialogs::ScriptedDialogs() { SetDialogProvider(this); }

ScriptedDialogs::~ScriptedDialogs() { SetDialogProvider(nullptr); }

DialogAnswer ScriptedDialogs::Next(const QString &text, DialogAnswer whenNone)
{
    questions << text;
    // A real box runs the event loop while it waits for the answer.
    QCoreApplication::processEvents();
    if (answers.isEmpty()) {
        unanswered << text;
        return whenNone;
    }
    return answers.takeFirst();
}

QString ScriptedDialogs::NextPath() { return paths.isEmpty() ? QString() : paths.takeFirst(); }

DialogAnswer ScriptedDialogs::AskYesNo(QWidget *, const QString &text) { return Next(text, DialogAnswer::No); }

DialogAnswer ScriptedDialogs::AskYesNoCancel(QWidget *, const QString &text)
{
    return Next(text, DialogAnswer::Cancel);
}

DialogAnswer ScriptedDialogs::AskOkCancel(QWidget *, const QString &text) { return Next(text, DialogAnswer::Cancel); }

void ScriptedDialogs::Inform(QWidget *, const QString &text) { informations << text; }

void ScriptedDialogs::Warn(QWidget *, const QString &text) { warnings << text; }

void ScriptedDialogs::ShowError(QWidget *, const QString &text) { errors << text; }

QString ScriptedDialogs::OpenFileName(QWidget *, const FileDialogOptions &options)
{
    openDialogs << options;
    return NextPath();
}

DialogProvider::SaveChoice ScriptedDialogs::ChooseSaveFile(QWidget *, const FileDialogOptions &options)
{
    saveDialogs << options;
    return {NextPath(), fileType};
}

QString ScriptedDialogs::FolderName(QWidget *, const QString &title)
{
    folderDialogs << title;
    return NextPath();
}

bool ScriptedDialogs::PrinterSetup(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    if (acceptPrinter && preparePrinter)
        preparePrinter(printer);
    return acceptPrinter;
}

int ScriptedDialogs::RunModal(QDialog &dialog)
{
    ++modalDialogs;
    return modal ? modal(dialog) : QDialog::Rejected;
}

} // namespace aw
