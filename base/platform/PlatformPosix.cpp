// The POSIX side of the platform interface (Linux, macOS and the other Unix systems).
#include "base/platform/Platform.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace aw::platform {

namespace {

// The system's reason is in the locale's encoding, UTF-8 on this platform.
FileFailure Failure(FileStep step, int error) { return {step, std::strerror(error)}; }

// Writes all bytes to fd in chunks, asking mayWrite before each chunk.
bool WriteAll(int fd, std::span<const uint8_t> bytes, const std::function<bool()> &mayWrite, int &error)
{
    constexpr size_t chunk = 64 * 1024;
    size_t done = 0;
    while (done < bytes.size() || (bytes.empty() && done == 0)) {
        if (mayWrite && !mayWrite()) {
            error = ENOSPC;
            return false;
        }
        if (bytes.empty())
            return true;
        const size_t n = std::min(chunk, bytes.size() - done);
        const ssize_t written = ::write(fd, bytes.data() + done, n);
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

std::optional<FileFailure> WriteInPlace(const std::string &path, std::span<const uint8_t> bytes,
                                        const std::function<bool()> &mayWrite)
{
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return Failure(FileStep::Create, errno);
    int error = 0;
    bool ok = WriteAll(fd, bytes, mayWrite, error);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? std::nullopt : std::optional(Failure(FileStep::Write, error));
}

// The user's umask, read while the program starts on one thread: reading it means setting it.
const mode_t g_userUmask = [] {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}();

// The file a path names once its links are followed, also where the last link names a file
// not there yet (which a write creates, as the shell's ">" does); nothing for a loop.
std::optional<std::string> FollowLinks(const std::string &path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return std::string(resolved);
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        char target[PATH_MAX];
        const ssize_t length = ::lstat(current.c_str(), &st) == 0 && S_ISLNK(st.st_mode)
                                   ? ::readlink(current.c_str(), target, sizeof target)
                                   : -1;
        if (length < 0)
            return current;
        const std::string next(target, static_cast<size_t>(length));
        const size_t slash = current.rfind('/');
        current = next.starts_with('/') || slash == std::string::npos ? next : current.substr(0, slash + 1) + next;
    }
    return std::nullopt;
}

// Reads f to its end into bytes, no more than `largest` of them.
std::optional<FileFailure> ReadToEnd(std::FILE *f, std::vector<uint8_t> &bytes, uint64_t largest)
{
    uint8_t buffer[64 * 1024];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        if (bytes.size() + n > largest) {
            bytes.clear();
            return FileFailure{FileStep::Read, kFileTooLarge};
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    if (std::ferror(f))
        return Failure(FileStep::Read, errno);
    return std::nullopt;
}

} // namespace

std::optional<FileFailure> ReadFileBytes(const std::filesystem::path &path, std::vector<uint8_t> &bytes,
                                         uint64_t largest)
{
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Failure(FileStep::Open, errno);
    bytes.clear();
    // A plain file's size is known: one allocation, and one that is too large is not read.
    if (struct stat st{}; ::fstat(::fileno(f), &st) == 0 && S_ISREG(st.st_mode)) {
        if (static_cast<uint64_t>(st.st_size) > largest) {
            std::fclose(f);
            return FileFailure{FileStep::Read, kFileTooLarge};
        }
        bytes.reserve(static_cast<size_t>(st.st_size));
    }
    std::optional<FileFailure> failure = ReadToEnd(f, bytes, largest);
    std::fclose(f);
    return failure;
}

std::optional<FileFailure> ReadStandardInputBytes(std::vector<uint8_t> &bytes, uint64_t largest)
{
    bytes.clear();
    return ReadToEnd(stdin, bytes, largest);
}

std::optional<FileFailure> ReplaceFileBytes(const std::filesystem::path &linkedPath, std::span<const uint8_t> bytes,
                                            const std::function<bool()> &mayWrite)
{
    // A link stays a link: the file it names is replaced, from a temporary file beside that one.
    const std::optional<std::string> followed = FollowLinks(linkedPath.native());
    if (!followed)
        return Failure(FileStep::Create, ELOOP);
    const std::string &path = *followed;
    // A device or a pipe (/dev/null, /dev/stdout) cannot be replaced by a file: it is written to.
    if (struct stat st{}; ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return WriteInPlace(path, bytes, mayWrite);
    // A file the user may not write to is not replaced, though the folder would allow it: a
    // read-only design is protected, as a program writing the file itself would find.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return Failure(FileStep::Write, errno);
    std::string temp = TemporaryPattern(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failure(FileStep::Create, errno);
    int error = 0;
    bool ok = WriteAll(fd, bytes, mayWrite, error);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        // Keep the permissions an existing file had; a new file gets those the user's umask
        // gives any new file.
        struct stat st {};
        mode_t mode = 0666 & ~g_userUmask;
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
        return Failure(FileStep::Write, error);
    }
    return std::nullopt;
}

std::optional<FileFailure> RemoveFile(const std::filesystem::path &path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return Failure(FileStep::Delete, errno);
    return std::nullopt;
}

std::optional<FileTime> LastWriteTime(const std::filesystem::path &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
#if defined(__APPLE__)
    const struct timespec &time = st.st_mtimespec;
#else
    const struct timespec &time = st.st_mtim;
#endif
    return FileTime{static_cast<std::int64_t>(time.tv_sec), static_cast<std::int32_t>(time.tv_nsec)};
}

bool FolderIsWritable(const std::filesystem::path &folder) { return ::access(folder.c_str(), W_OK) == 0; }

std::filesystem::path ExecutablePath()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

std::filesystem::path UserDataHome()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    if (dataHome && *dataHome == '/')
        return dataHome;
    if (home && *home)
        return std::string(home) + "/.local/share";
    // Without HOME the user's home folder comes from the user database; the shared temporary
    // folder is the last resort, where other users could read or replace what is kept.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
        *found->pw_dir == '/')
        return std::string(found->pw_dir) + "/.local/share";
    return std::filesystem::temp_directory_path();
}

std::optional<std::string> EnvironmentValue(const std::string &name)
{
    if (const char *value = std::getenv(name.c_str()))
        return std::string(value);
    return std::nullopt;
}

void SetEnvironmentValue(const std::string &name, const std::optional<std::string> &value)
{
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

bool WriteUntranslated(std::FILE *stream, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
}

int ProcessId() { return static_cast<int>(::getpid()); }

} // namespace aw::platform
