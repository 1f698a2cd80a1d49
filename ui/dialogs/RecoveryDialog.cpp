#include "ui/dialogs/RecoveryDialog.h"

#include "ui/CommandGuard.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace aw {

namespace {

// A label wraps only between words: a name or path without spaces wider than the dialog
// ran off its edge. Zero-width spaces in long runs let them break anywhere.
QString BreakableAnywhereInLongRuns(const QString &text)
{
    constexpr int kLongRun = 30;
    QString shown;
    int run = 0;
    for (const QChar character : text) {
        run = character.isSpace() ? 0 : run + 1;
        if (run > kLongRun && !character.isLowSurrogate())
            shown += QChar(0x200B);
        shown += character;
    }
    return shown;
}

// When the copy was kept, in the user's short date and time format but with the whole year:
// many locales write it with two digits ("10.12.26"), which leaves the century to guess.
QString SavedAt(const QDateTime &saved)
{
    const QLocale locale;
    const QString format = locale.dateTimeFormat(QLocale::ShortFormat);
    QString whole;
    bool quoted = false; // text between single quotes is shown as it is
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == QLatin1Char('\''))
            quoted = !quoted;
        const bool twoDigitYear = !quoted && format.mid(i, 2) == QLatin1String("yy") &&
                                  (i == 0 || format[i - 1] != QLatin1Char('y')) &&
                                  (i + 2 >= format.size() || format[i + 2] != QLatin1Char('y'));
        if (twoDigitYear) {
            whole += QLatin1String("yyyy");
            ++i;
        } else {
            whole += format[i];
        }
    }
    return locale.toString(saved, whole);
}

} // namespace

RecoveryDialog::RecoveryDialog(const RecoveryFile &file, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("recoveryDialog"));
    setWindowTitle(QStringLiteral("Recover Unsaved Changes"));

    const QString name = file.DesignName.isEmpty() ? QStringLiteral("(unnamed)") : file.DesignName;
    const QString belongsTo = file.SourcePath.isEmpty() ? QStringLiteral("It was never saved.")
                                                        : QStringLiteral("Its file is \"%1\".").arg(file.SourcePath);
    const QString saved = SavedAt(file.Saved);
    if (file.Damage.isEmpty())
        m_text =
            QStringLiteral("Armorwright did not close normally. Unsaved changes to the vehicle \"%1\" were kept "
                           "on %2.\n%3\n\nRecover the changes, open the saved file instead, or discard the changes?")
                .arg(name, saved, belongsTo);
    else
        m_text = QStringLiteral("Armorwright did not close normally. Unsaved changes were kept on %1, but the copy "
                                "is damaged and cannot be recovered (%2).\n%3\n\nOpen the saved file instead, or "
                                "discard the copy?")
                     .arg(saved, file.Damage, belongsTo);

    auto *label = new QLabel(BreakableAnywhereInLongRuns(m_text), this);
    label->setObjectName(QStringLiteral("lblRecovery"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // the design's name and path as typed, never markup
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(this);
    const auto add = [&](const char *objectName, const QString &caption, Choice choice) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(objectName));
        ConnectGuarded(button, &QPushButton::clicked, this, [this, choice] { done(choice); });
        return button;
    };
    QPushButton *recover = add("btnRecover", QStringLiteral("Recover"), Recover);
    recover->setEnabled(file.Damage.isEmpty());
    QPushButton *openSaved = add("btnOpenSaved", QStringLiteral("Open Saved"), OpenSaved);
    openSaved->setEnabled(!file.SourcePath.isEmpty() && QFileInfo(file.SourcePath).isFile());
    (recover->isEnabled() ? recover : openSaved)->setDefault(true);
    add("btnDiscard", QStringLiteral("Discard"), Discard);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

} // namespace aw
