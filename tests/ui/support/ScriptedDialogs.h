#pragma once

#include "ui/dialogs/DialogProvider.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace aw {

// A dialog provider that answers from scripts and records what was asked, so the editor
// can be driven headless. Installed for its lifetime. Like a real box, a question lets the
// event loop run before it is answered.
class ScriptedDialogs : public DialogProvider {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers for the confirmation boxes, used in order; when they run out the box is
    // answered Cancel (Yes/No boxes: No) and recorded in `unanswered`.
    QList<DialogAnswer> answers;
    // Paths the file dialogs return, used in order; "" is a cancelled dialog. When they
    // run out the dialog counts as cancelled.
    QStringList paths;
    // The file type chosen in the save dialogs: its number in the filter.
    int fileType = 0;
    bool acceptPrinter = false;
    std::function<void(QPrinter &)> preparePrinter;
    // Runs each modal dialog of the program; returns its result (default: reject at once).
    std::function<int(QDialog &)> modal;

    QStringList questions;
    QStringList unanswered;
    QStringList informations;
    QStringList warnings;
    QStringList errors;
    QList<FileDialogOptions> openDialogs;
    QList<FileDialogOptions> saveDialogs;
    QStringList folderDialogs; // their titles
    int printerDialogs = 0;
    int modalDialogs = 0;

    DialogAnswer AskYesNo(QWidget *parent, const QString &text) override;
    DialogAnswer AskYesNoCancel(QWidget *parent, const QString &text) override;
    DialogAnswer AskOkCancel(QWidget *parent, const QString &text) override;
    void Inform(QWidget *parent, const QString &text) override;
    void Warn(QWidget *parent, const QString &text) override;
    void ShowError(QWidget *parent, const QString &text) override;
    QString OpenFileName(QWidget *parent, const FileDialogOptions &options) override;
    QString FolderName(QWidget *parent, const QString &title) override;
    bool PrinterSetup(QWidget *parent, QPrinter &printer) override;
    int RunModal(QDialog &dialog) override;
    SaveChoice ChooseSaveFile(QWidget *parent, const FileDialogOptions &options) override;

private:
    DialogAnswer Next(const QString &text, DialogAnswer whenNone);
    QString NextPath();
};

} // namespace aw
