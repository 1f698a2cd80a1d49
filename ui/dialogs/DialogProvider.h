#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace aw {

// The answer of a message box.
enum class DialogAnswer { Yes, No, Cancel, Ok };

// What an open or save file dialog is shown with. The filter uses the stored
// "Description|patterns|Description|patterns" form, patterns separated by ";".
struct FileDialogOptions {
    QString Title;
    QString Filter;
    QString DefaultExtension;
    QString FileName;
    bool MustExist = false;
};

// Every message box, file chooser and printer dialog of the editor goes through this
// interface, so the pages can be driven without a person answering (tests install a
// scripted implementation with SetDialogProvider).
class DialogProvider {
public:
    virtual ~DialogProvider() = default;

    // Confirmation boxes: Yes/No, Yes/No/Cancel or OK/Cancel.
    virtual DialogAnswer AskYesNo(QWidget *parent, const QString &text) = 0;
    virtual DialogAnswer AskYesNoCancel(QWidget *parent, const QString &text) = 0;
    virtual DialogAnswer AskOkCancel(QWidget *parent, const QString &text) = 0;
    // A confirmation-style box with only an OK button.
    virtual void Inform(QWidget *parent, const QString &text) = 0;
    virtual void Warn(QWidget *parent, const QString &text) = 0;
    virtual void ShowError(QWidget *parent, const QString &text) = 0;

    // The chosen path, or an empty text when the user cancelled.
    virtual QString OpenFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    // A name typed without the extension of the file type chosen gets it (WithFileTypeExtension),
    // whatever dots it holds, and the user is asked before that file is replaced.
    QString SaveFileName(QWidget *parent, const FileDialogOptions &options);
    // An existing folder the user picks, or an empty text when cancelled.
    virtual QString FolderName(QWidget *parent, const QString &title) = 0;

    // The printer-setup dialog on printer; true when confirmed.
    virtual bool PrinterSetup(QWidget *parent, QPrinter &printer) = 0;

    // Shows one of the program's own dialogs modally; returns its QDialog result code.
    virtual int RunModal(QDialog &dialog) = 0;

protected:
    // What the user picked in a save dialog: the path ("" when cancelled) and the number of
    // the file type chosen in the filter.
    struct SaveChoice {
        QString Path;
        int FileType = 0;
    };
    virtual SaveChoice ChooseSaveFile(QWidget *parent, const FileDialogOptions &options) = 0;
};

// The provider in use: the one installed last, or the standard Qt dialogs.
DialogProvider &Dialogs();
// Installs provider (not owned); nullptr returns to the standard Qt dialogs.
void SetDialogProvider(DialogProvider *provider);

} // namespace aw
