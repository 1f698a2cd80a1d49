#pragma once

#include "ui/dialogs/DialogProvider.h"

#include <QList>
#include <QStringList>

#include <functional>

// A dialog provider that answers from scripts and records what was asked, so the editor
// can be driven headless. Installed for its lifetime.
class TScriptedDialogs : public TDialogProvider {
public:
    TScriptedDialogs();
    ~TScriptedDialogs() override;

    // Answers for the confirmation boxes, used in order; when they run out the box is
    // answered Cancel (Yes/No boxes: No) and recorded in `unanswered`.
    QList<TDialogAnswer> answers;
    // Paths the file dialogs return, used in order; "" is a cancelled dialog. When they
    // run out the dialog counts as cancelled.
    QStringList paths;
    bool acceptPrinter = false;
    std::function<void(QPrinter &)> preparePrinter;
    // Runs each modal dialog of the program; returns its result (default: reject at once).
    std::function<int(QDialog &)> modal;

    QStringList questions;
    QStringList unanswered;
    QStringList informations;
    QStringList warnings;
    QStringList errors;
    QList<TFileDialogOptions> openDialogs;
    QList<TFileDialogOptions> saveDialogs;
    int printerDialogs = 0;
    int modalDialogs = 0;

    TDialogAnswer AskYesNo(QWidget *parent, const QString &text) override;
    TDialogAnswer AskYesNoCancel(QWidget *parent, const QString &text) override;
    TDialogAnswer AskOkCancel(QWidget *parent, const QString &text) override;
    void Inform(QWidget *parent, const QString &text) override;
    void Warn(QWidget *parent, const QString &text) override;
    void ShowError(QWidget *parent, const QString &text) override;
    QString OpenFileName(QWidget *parent, const TFileDialogOptions &options) override;
    QString SaveFileName(QWidget *parent, const TFileDialogOptions &options) override;
    bool PrinterSetup(QWidget *parent, QPrinter &printer) override;
    int RunModal(QDialog &dialog) override;

private:
    TDialogAnswer Next(const QString &text, TDialogAnswer whenNone);
    QString NextPath();
};
