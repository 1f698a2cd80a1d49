#include "CliTestSupport.h"

#include "base/Files.h"
#include "codec/LzhCompressor.h"

#include <QProcess>
#include <QStringList>

#include <regex>
#include <sstream>

namespace aw {

CliRun RunCli(const std::vector<std::string> &args, const std::string &input, const std::string &executable,
              const std::string &outputPath)
{
    const TempFolder io;
    const std::string in = io / "in", out = outputPath.empty() ? io / "out" : outputPath, err = io / "err";
    WriteFileAtomically(in, input);
    QProcess process;
    process.setStandardInputFile(QString::fromStdString(in));
    process.setStandardOutputFile(QString::fromStdString(out));
    process.setStandardErrorFile(QString::fromStdString(err));
    QStringList arguments;
    for (const std::string &a : args)
        arguments << QString::fromStdString(a);
    process.start(QString::fromStdString(executable), arguments);
    CliRun run;
    if (!process.waitForFinished(-1))
        run.ExitCode = 127; // it did not start
    else
        run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 128;
    if (outputPath.empty())
        run.Out = ReadText(out);
    run.Err = ReadText(err);
    return run;
}

std::vector<std::string> SplitArguments(const std::string &line)
{
    std::istringstream words(line);
    std::vector<std::string> arguments;
    for (std::string word; words >> word;)
        arguments.push_back(word);
    return arguments;
}

std::set<std::string> PdfPageSizes(const std::string &pdf)
{
    const std::regex box(R"(/MediaBox \[0 0 (\d+)(?:\.0*)? (\d+)(?:\.0*)?\])");
    std::set<std::string> sizes;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator(); ++it)
        sizes.insert((*it)[1].str() + " " + (*it)[2].str());
    return sizes;
}

std::vector<uint8_t> DesignBody(const std::string &path) { return DecompressBytes(ReadWholeFile(path)); }

} // namespace aw
