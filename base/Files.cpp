#include "base/Files.h"

#include "base/FolderPath.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace aw {

namespace {

std::function<bool()> g_faultInjector;
std::string g_programFolder;

// The system's reason is in the locale's encoding, UTF-8 on this platform.
ErrorText DescribeErrno(const std::string &what, const std::string &path, int error)
{
    return ErrorText(what + " ").File(path).SystemText(std::string(": ") + std::strerror(error));
}

// Writes all bytes to fd in chunks, consulting the fault injector before each chunk.
bool WriteAll(int fd, const uint8_t *data, size_t size, int &error)
{
    constexpr size_t chunk = 64 * 1024;
    size_t done = 0;
    while (done < size || (size == 0 && done == 0)) {
        if (g_faultInjector && !g_faultInjector()) {
            error = ENOSPC;
            return false;
        }
        if (size == 0)
            return true;
        const size_t n = std::min(chunk, size - done);
        const ssize_t written = ::write(fd, data + done, n);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// The pattern mkstemp turns into a unique name beside path: path's name with six random
// characters added, its name shortened first when the folder could not hold the longer one.
std::string TemporaryPattern(const std::string &path)
{
    const std::string suffix = ".XXXXXX";
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = nameStart == 0 ? std::string(".") : path.substr(0, nameStart);
    const long folderLimit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const size_t limit = folderLimit > 0 ? static_cast<size_t>(folderLimit) : NAME_MAX;
    std::string name = path.substr(nameStart);
    if (name.size() + suffix.size() > limit && limit > suffix.size()) {
        size_t cut = limit - suffix.size();
        // Not inside a UTF-8 character, so the temporary name stays readable.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return path.substr(0, nameStart) + name + suffix;
}

} // namespace

std::vector<uint8_t> ReadWholeFile(const std::string &path)
{
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw FileError(DescribeErrno("Cannot open file", path, errno));
    std::vector<uint8_t> bytes;
    uint8_t buffer[64 * 1024];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    const bool failed = std::ferror(f);
    const int error = errno;
    std::fclose(f);
    if (failed)
        throw FileError(DescribeErrno("Cannot read file", path, error));
    return bytes;
}

bool FileExists(const std::string &path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void WriteFileAtomically(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::string temp = TemporaryPattern(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw FileError(DescribeErrno("Cannot create file", path, errno));
    int error = 0;
    bool ok = WriteAll(fd, bytes.data(), bytes.size(), error);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        // Keep the permissions an existing file had, or the usual ones for a new file.
        struct stat st {};
        mode_t mode = 0644;
        if (::stat(path.c_str(), &st) == 0)
            mode = st.st_mode & 07777;
        ::chmod(temp.c_str(), mode);
        if (::rename(temp.c_str(), path.c_str()) != 0) {
            ok = false;
            error = errno;
        }
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw FileError(DescribeErrno("Cannot write file", path, error));
    }
}

void WriteFileAtomically(const std::string &path, const std::string &text)
{
    WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void RemoveFileIfExists(const std::string &path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw FileError(DescribeErrno("Cannot delete file", path, errno));
}

void SetWriteFaultInjector(std::function<bool()> injector) { g_faultInjector = std::move(injector); }

const std::string &ProgramFolder() { return g_programFolder; }

void SetProgramFolder(std::string folder) { g_programFolder = WithTrailingSeparator(std::move(folder)); }

void SetProgramFolderFromExecutable(const char *argv0)
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec && argv0)
        exe = std::filesystem::absolute(argv0, ec);
    SetProgramFolder(exe.parent_path().string());
}

} // namespace aw
