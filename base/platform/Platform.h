#pragma once

// The few calls this program makes to the operating system, behind one interface with one
// implementation per system (PlatformPosix.cpp, PlatformWindows.cpp). No other file includes a
// system header. Paths are std::filesystem::path, so that on Windows every name reaches the
// system as UTF-16; texts that come back (reasons, variables) are UTF-8.

#include "base/FileTime.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace aw::platform {

// The step of a file operation that failed, and the system's reason for it.
enum class FileStep { Open, Read, Create, Write, Delete };
struct FileFailure {
    FileStep Step;
    std::string Reason;
};

// Reads the whole file into bytes (in binary: no line ends are translated). A file longer
// than `largest` fails with the reason kFileTooLarge before it fills the memory, as an
// endless device (/dev/zero) or a film chosen by mistake would.
inline constexpr uint64_t kLargestFileRead = uint64_t{512} << 20;
inline constexpr char kFileTooLarge[] = "File too large";
std::optional<FileFailure> ReadFileBytes(const std::filesystem::path &path, std::vector<uint8_t> &bytes,
                                         uint64_t largest = kLargestFileRead);
// Reads standard input to its end in the same way, with the same limit: an endless stream
// fails with kFileTooLarge as an endless device does.
std::optional<FileFailure> ReadStandardInputBytes(std::vector<uint8_t> &bytes, uint64_t largest = kLargestFileRead);

// Replaces path with bytes atomically: a temporary file beside it is written, flushed to disk
// and moved over path, so path holds either the old bytes or the new ones, whatever happens.
// mayWrite is asked before every low-level write; when it says no, that write fails as on a
// full disk. On failure the temporary file is gone and path is as it was. On POSIX a link is
// followed (the file it names is replaced); a device or pipe is written to, as it cannot be
// replaced.
std::optional<FileFailure> ReplaceFileBytes(const std::filesystem::path &path, std::span<const uint8_t> bytes,
                                            const std::function<bool()> &mayWrite);

// Deletes path; a path that is not there is no failure.
std::optional<FileFailure> RemoveFile(const std::filesystem::path &path);

// When the file was last written, or nothing when that cannot be had.
std::optional<FileTime> LastWriteTime(const std::filesystem::path &path);

// Whether files can be created in folder by this user.
bool FolderIsWritable(const std::filesystem::path &folder);

// The running program's own file, or an empty path when the system does not tell.
std::filesystem::path ExecutablePath();

// The folder where programs keep per-user data: $XDG_DATA_HOME or ~/.local/share on POSIX,
// %APPDATA% on Windows; the temporary folder when none is known.
std::filesystem::path UserDataHome();

// An environment variable (UTF-8), or nothing when it is not set; setting nothing removes it.
std::optional<std::string> EnvironmentValue(const std::string &name);
void SetEnvironmentValue(const std::string &name, const std::optional<std::string> &value);

// Writes bytes to stream as they are and flushes it; false when not all of them went out. On
// Windows a stream in text mode (standard output is one) would put a CR before every LF: it
// is in binary mode for these bytes only, then back in its own.
bool WriteUntranslated(std::FILE *stream, std::string_view bytes);

// The running process's id.
int ProcessId();

} // namespace aw::platform
