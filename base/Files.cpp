#include "base/Files.h"

#include "base/FolderPath.h"
#include "base/Utf8Path.h"
#include "base/platform/Platform.h"

#include <filesystem>

namespace aw {

namespace {

std::function<bool()> g_faultInjector;
std::string g_programFolder;

const char *StepText(platform::FileStep step)
{
    switch (step) {
    case platform::FileStep::Open:
        return "Cannot open file";
    case platform::FileStep::Read:
        return "Cannot read file";
    case platform::FileStep::Create:
        return "Cannot create file";
    case platform::FileStep::Write:
        return "Cannot write file";
    case platform::FileStep::Delete:
        break;
    }
    return "Cannot delete file";
}

void ThrowWhenFailed(const std::optional<platform::FileFailure> &failure, const std::filesystem::path &path)
{
    if (failure)
        throw FileError(ErrorText(std::string(StepText(failure->Step)) + " ")
                            .File(Utf8FromPath(path))
                            .SystemText(": " + failure->Reason));
}

} // namespace

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path &path)
{
    std::vector<uint8_t> bytes;
    ThrowWhenFailed(platform::ReadFileBytes(path, bytes), path);
    return bytes;
}

std::vector<uint8_t> ReadStandardInput()
{
    std::vector<uint8_t> bytes;
    if (const std::optional<platform::FileFailure> failure = platform::ReadStandardInputBytes(bytes))
        throw FileError(ErrorText().SystemText("Cannot read standard input: " + failure->Reason));
    return bytes;
}

bool FileExists(const std::filesystem::path &path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::optional<FileTime> LastWriteTime(const std::filesystem::path &path) { return platform::LastWriteTime(path); }

void WriteFileAtomically(const std::filesystem::path &path, const std::vector<uint8_t> &bytes)
{
    ThrowWhenFailed(platform::ReplaceFileBytes(path, bytes, g_faultInjector), path);
}

void WriteFileAtomically(const std::filesystem::path &path, const std::string &text)
{
    WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void RemoveFileIfExists(const std::filesystem::path &path) { ThrowWhenFailed(platform::RemoveFile(path), path); }

void RenameFile(const std::filesystem::path &from, const std::filesystem::path &to)
{
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec)
        throw FileError(ErrorText("Cannot rename file ").File(Utf8FromPath(from)).SystemText(": " + ec.message()));
}

void CreateFolders(const std::filesystem::path &path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec)
        throw FileError(ErrorText("Cannot create folder ").File(Utf8FromPath(path)).SystemText(": " + ec.message()));
}

void SetWriteFaultInjector(std::function<bool()> injector) { g_faultInjector = std::move(injector); }

const std::string &ProgramFolder() { return g_programFolder; }

void SetProgramFolder(std::string folder) { g_programFolder = WithTrailingSeparator(std::move(folder)); }

void SetProgramFolderFromExecutable(const char *argv0)
{
    std::filesystem::path exe = platform::ExecutablePath();
    if (exe.empty() && argv0) {
        std::error_code ec;
        exe = std::filesystem::absolute(argv0, ec);
    }
    SetProgramFolder(Utf8FromPath(exe.parent_path()));
}

} // namespace aw
