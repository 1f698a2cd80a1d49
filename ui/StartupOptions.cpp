#include "ui/StartupOptions.h"

#include "base/ProgramVersion.h"

#include <QCommandLineParser>

namespace aw {

StartupOptions ReadStartupOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options (-reverse, -stylesheet ...) are still on the line before the window
    // system starts: read as letters, -reverse would ask for the version.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Armorwright designs vehicles under the tabletop game's vehicle construction rules."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays these options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"));
    quitAfterShow.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitAfterShow);
    parser.addPositionalArgument(QStringLiteral("design"), QStringLiteral("A design file (.vkd) to open."),
                                 QStringLiteral("[design.vkd"));
    parser.addPositionalArgument(QStringLiteral("NEW"),
                                 QStringLiteral("Opens the design as an unsaved copy, as \"Create Variant!\" does."),
                                 QStringLiteral("[NEW]]"));
    const bool parsed = parser.parse(arguments);

    StartupOptions options;
    if (parser.isSet(help)) {
        options.Request = StartupOptions::Request::Help;
        options.Message = parser.helpText();
    } else if (parser.isSet(version)) {
        options.Request = StartupOptions::Request::Version;
        options.Message = QStringLiteral("Armorwright %1\n").arg(QString::fromLatin1(kProgramVersion));
    } else if (!parsed) {
        options.Request = StartupOptions::Request::UsageError;
        options.Message =
            QStringLiteral("armorwright: %1\nRun 'armorwright --help' for the options.\n").arg(parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    options.DesignFile = positional.value(0);
    options.AsUnsavedCopy = positional.size() >= 2 && positional[1].toUpper() == QStringLiteral("NEW");
    options.IgnoredFiles = positional.mid(options.AsUnsavedCopy ? 2 : 1);
    options.QuitAfterShow = parser.isSet(quitAfterShow);
    return options;
}

} // namespace aw
