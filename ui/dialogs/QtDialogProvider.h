#pragma once

#include "ui/dialogs/DialogProvider.h"

namespace aw {

// The standard Qt message boxes, file dialogs and printer dialog.
class QtDialogProvider : public DialogProvider {
public:
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

    // "Text Files|*.txt|All Files|*.*" becomes "Text Files (*.txt);;All Files (*)": all
    // files, with an extension or without.
    static QString QtFilter(const QString &pairs);
    // The extension of a Qt filter's first pattern ("html" for "HTML Files (*.html *.htm)"),
    // or the fallback when that pattern names none ("All Files (*)").
    static QString ExtensionOfFilter(const QString &qtFilter, const QString &fallback);

protected:
    SaveChoice ChooseSaveFile(QWidget *parent, const FileDialogOptions &options) override;
};

} // namespace aw
