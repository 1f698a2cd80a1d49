// The Windows side of the platform interface. Every path goes to the system as UTF-16 through
// the wide ("W") functions; texts coming back are turned into UTF-8.
#include "base/platform/Platform.h"

#include <algorithm>

#ifndef NOMINMAX
#define NOMINMAX // std::min, not the macro (MinGW's C++ headers may define it already)
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>

namespace aw::platform {

namespace {

std::string Utf8FromWide(const wchar_t *text, int length)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::wstring WideFromUtf8(const std::string &text)
{
    const int length = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), size);
    return wide;
}

// The system's message for an error code, without its closing line end.
std::string SystemMessage(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string message = length > 0 ? Utf8FromWide(text, static_cast<int>(length)) : std::string();
    ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

FileFailure Failure(FileStep step, DWORD error) { return {step, SystemMessage(error)}; }

// Closes a handle when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close()
    {
        const bool closed = !Valid() || ::CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// Writes all bytes in chunks, asking mayWrite before each chunk.
bool WriteAll(HANDLE file, std::span<const uint8_t> bytes, const std::function<bool()> &mayWrite, DWORD &error)
{
    constexpr size_t chunk = 64 * 1024;
    size_t done = 0;
    while (done < bytes.size() || (bytes.empty() && done == 0)) {
        if (mayWrite && !mayWrite()) {
            error = ERROR_DISK_FULL;
            return false;
        }
        if (bytes.empty())
            return true;
        const DWORD n = static_cast<DWORD>(std::min(chunk, bytes.size() - done));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, n, &written, nullptr)) {
            error = ::GetLastError();
            return false;
        }
        done += written;
    }
    return true;
}

// Creates a new file beside path with a name no other file has: the start of path's name with
// eight hexadecimal digits added. The start is kept short, so that the name fits where path's
// own name only just did (255 UTF-16 units on Windows, 255 UTF-8 bytes where Wine keeps files).
// Returns its name, or an empty one (GetLastError() tells why).
std::wstring CreateTemporary(const std::filesystem::path &path, HANDLE &handle)
{
    std::wstring name = path.filename().native();
    constexpr size_t kept = 64;
    if (name.size() > kept) {
        // Not between the two halves of a character beyond U+FFFF.
        const bool splitsPair = name[kept - 1] >= 0xD800 && name[kept - 1] <= 0xDBFF;
        name.resize(splitsPair ? kept - 1 : kept);
    }
    const std::filesystem::path start = path.parent_path() / (name + L".");
    DWORD seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt, seed += 7919u) {
        std::wstring temp = start.native();
        for (int shift = 28; shift >= 0; shift -= 4)
            temp += L"0123456789abcdef"[(seed >> shift) & 0xF];
        handle = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE)
            return temp;
        if (::GetLastError() != ERROR_FILE_EXISTS)
            return {};
    }
    return {};
}

// Reads file to its end into bytes, no more than `largest` of them. A pipe whose writer has
// closed it ends there.
std::optional<FileFailure> ReadToEnd(HANDLE file, std::vector<uint8_t> &bytes, uint64_t largest)
{
    uint8_t buffer[64 * 1024];
    DWORD n = 0;
    while (true) {
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            if (::GetLastError() == ERROR_BROKEN_PIPE)
                break;
            return Failure(FileStep::Read, ::GetLastError());
        }
        if (n == 0)
            break;
        if (bytes.size() + n > largest) {
            bytes.clear();
            return FileFailure{FileStep::Read, kFileTooLarge};
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return std::nullopt;
}

} // namespace

std::optional<FileFailure> ReadFileBytes(const std::filesystem::path &path, std::vector<uint8_t> &bytes,
                                         uint64_t largest)
{
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return Failure(FileStep::Open, ::GetLastError());
    bytes.clear();
    // A disk file's size is known: one allocation, and one that is too large is not read.
    if (LARGE_INTEGER size{}; ::GetFileType(file.Get()) == FILE_TYPE_DISK && ::GetFileSizeEx(file.Get(), &size)) {
        if (static_cast<uint64_t>(size.QuadPart) > largest)
            return FileFailure{FileStep::Read, kFileTooLarge};
        bytes.reserve(static_cast<size_t>(size.QuadPart));
    }
    return ReadToEnd(file.Get(), bytes, largest);
}

std::optional<FileFailure> ReadStandardInputBytes(std::vector<uint8_t> &bytes, uint64_t largest)
{
    bytes.clear();
    return ReadToEnd(::GetStdHandle(STD_INPUT_HANDLE), bytes, largest);
}

std::optional<FileFailure> ReplaceFileBytes(const std::filesystem::path &path, std::span<const uint8_t> bytes,
                                            const std::function<bool()> &mayWrite)
{
    // Windows will not replace a read-only file (Wine would): refuse it before writing.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Failure(FileStep::Write, ERROR_ACCESS_DENIED);
    HANDLE created = INVALID_HANDLE_VALUE;
    const std::wstring temp = CreateTemporary(path, created);
    if (temp.empty())
        return Failure(FileStep::Create, ::GetLastError());
    Handle file(created);
    DWORD error = 0;
    bool ok = WriteAll(file.Get(), bytes, mayWrite, error);
    if (ok && !::FlushFileBuffers(file.Get())) {
        ok = false;
        error = ::GetLastError();
    }
    if (!file.Close() && ok) {
        ok = false;
        error = ::GetLastError();
    }
    // A file another program holds open without sharing deletion is not replaced: the move
    // fails and the old file stays.
    if (ok && !::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = ::GetLastError();
    }
    if (!ok) {
        ::DeleteFileW(temp.c_str());
        return Failure(FileStep::Write, error);
    }
    return std::nullopt;
}

std::optional<FileFailure> RemoveFile(const std::filesystem::path &path)
{
    if (!::DeleteFileW(path.c_str())) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            return Failure(FileStep::Delete, error);
    }
    return std::nullopt;
}

std::optional<FileTime> LastWriteTime(const std::filesystem::path &path)
{
    // Whole seconds, as the C runtime (and std::filesystem with it) reads and sets them here:
    // a time put back with std::filesystem then reads as the same time.
    struct _stat64 st {};
    if (::_wstat64(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileTime{static_cast<int64_t>(st.st_mtime), 0};
}

bool FolderIsWritable(const std::filesystem::path &folder)
{
    // The folder's attributes do not tell (Program Files is not read-only, yet closed to
    // users): try to make a file there, which the system removes again on closing.
    const std::filesystem::path probe = folder / L"armorwright-write-probe.tmp";
    Handle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.Valid();
}

std::filesystem::path ExecutablePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::filesystem::path UserDataHome()
{
    const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    std::wstring folder(size, L'\0');
    folder.resize(size > 0 ? ::GetEnvironmentVariableW(L"APPDATA", folder.data(), size) : 0);
    if (!folder.empty() && std::filesystem::path(folder).is_absolute())
        return folder;
    return std::filesystem::temp_directory_path();
}

std::optional<std::string> EnvironmentValue(const std::string &name)
{
    const std::wstring wideName = WideFromUtf8(name);
    const DWORD size = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring value(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
    return Utf8FromWide(value.data(), static_cast<int>(length));
}

void SetEnvironmentValue(const std::string &name, const std::optional<std::string> &value)
{
    ::SetEnvironmentVariableW(WideFromUtf8(name).c_str(), value ? WideFromUtf8(*value).c_str() : nullptr);
}

bool WriteUntranslated(std::FILE *stream, std::string_view bytes)
{
    // Bytes still buffered were meant for the text mode.
    if (std::fflush(stream) != 0)
        return false;
    const int fd = ::_fileno(stream);
    const int previous = ::_setmode(fd, _O_BINARY);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
    if (previous != -1)
        ::_setmode(fd, previous);
    return written;
}

int ProcessId() { return static_cast<int>(::GetCurrentProcessId()); }

} // namespace aw::platform
