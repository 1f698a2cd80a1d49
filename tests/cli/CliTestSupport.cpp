#include "CliTestSupport.h"

#include "base/Files.h"
#include "codec/LzhCompressor.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace aw {

CliRun RunCli(const std::vector<std::string> &args, const std::string &input, const std::string &executable,
              const std::string &outputPath)
{
    const TempFolder io;
    const std::string in = io / "in", out = outputPath.empty() ? io / "out" : outputPath, err = io / "err";
    WriteFileAtomically(in, input);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int fin = open(in.c_str(), O_RDONLY);
        const int fout = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int ferr = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fin < 0 || fout < 0 || ferr < 0)
            _exit(126);
        dup2(fin, 0);
        dup2(fout, 1);
        dup2(ferr, 2);
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>(executable.c_str()));
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(executable.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CliRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (outputPath.empty())
        run.Out = ReadText(out);
    run.Err = ReadText(err);
    return run;
}

std::vector<uint8_t> DesignBody(const std::string &path) { return DecompressBytes(ReadWholeFile(path)); }

} // namespace aw
