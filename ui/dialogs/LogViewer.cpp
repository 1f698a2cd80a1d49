#include "ui/dialogs/LogViewer.h"

#include "base/Files.h"
#include "base/OutputOverInput.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/NativePath.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/widgets/MemoBox.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>

#include <string>

namespace aw {

LogViewer::LogViewer(QWidget *parent)
    : QDialog(parent), m_log(new MemoBox(this)), m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_save(new QPushButton(QStringLiteral("Save"), this))
{
    setObjectName(QStringLiteral("logViewer"));
    setWindowTitle(QStringLiteral("Log Viewer"));
    resize(301, 387);

    m_log->setObjectName(QStringLiteral("mLog"));
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab reaches OK and Save, as in every other box; a tab typed into a log line is no step.
    m_log->setTabChangesFocus(true);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_ok->setDefault(true);

    auto *bar = new QWidget(this);
    bar->setFixedHeight(44);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->addStretch();
    barLayout->addWidget(m_ok);
    barLayout->addWidget(m_save);
    barLayout->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_log, 1);
    layout->addWidget(bar);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    ConnectGuarded(m_save, &QPushButton::clicked, this, [this] { SaveLog(); });
}

void LogViewer::SetLines(const LogLines &lines)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        texts << cp1252::ToQt(line);
    m_log->setPlainText(texts.join(QLatin1Char('\n')));
}

QStringList LogViewer::Lines() const
{
    // The raw text: the plain one would turn no-break spaces into spaces.
    QString text = m_log->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

void LogViewer::SaveLog()
{
    FileDialogOptions saveDialog;
    saveDialog.Title = QStringLiteral("Log File Save Location");
    saveDialog.DefaultExtension = QStringLiteral("txt");
    saveDialog.Filter = QStringLiteral("Text Files|*.txt|All Files|*.*");
    const QString path = Dialogs().SaveFileName(this, saveDialog);
    if (path.isEmpty())
        return;
    // A log written over the design's own file would destroy the design.
    if (!m_designFile.isEmpty())
        RefuseOutputOverInput(ToNativePath(path), {ToNativePath(m_designFile)});
    SaveLines(Lines(), path);
}

void LogViewer::SaveLines(const QStringList &lines, const QString &path)
{
    std::string text;
    for (const QString &line : lines) {
        text += cp1252::FromQt(line);
        text += "\r\n";
    }
    WriteFileAtomically(ToNativePath(path), text);
}

} // namespace aw
