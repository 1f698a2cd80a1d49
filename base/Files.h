#pragma once

#include "base/ArmorwrightError.h"
#include "base/FileTime.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace aw {

// A file could not be read or written; the message names the file and the reason.
class FileError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// Reads a whole file. Throws FileError naming the file when it cannot be read.
// Paths are std::filesystem::path; a name held as UTF-8 text goes through PathFromUtf8
// (base/FolderPath.h). Messages show the path as UTF-8.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path &path);
// Reads standard input to its end, as far as a file would be read; throws FileError when it
// cannot be read or is longer.
std::vector<uint8_t> ReadStandardInput();
bool FileExists(const std::filesystem::path &path);
// When the file was last written, or nothing when that cannot be had (no such file).
std::optional<FileTime> LastWriteTime(const std::filesystem::path &path);

// Writes bytes to path atomically: into a temporary file beside it, flushed to disk,
// then renamed over path. On any failure the temporary file is removed, the previous
// file stays as it was, and FileError is thrown.
// A file another program holds open (on Windows) or a read-only one is not replaced:
// FileError, the file as it was.
void WriteFileAtomically(const std::filesystem::path &path, const std::vector<uint8_t> &bytes);
void WriteFileAtomically(const std::filesystem::path &path, const std::string &text);

// Deletes path when it exists; throws FileError when it exists and cannot be removed.
void RemoveFileIfExists(const std::filesystem::path &path);

// Gives the file `from` the name `to`, where no file may be yet; throws FileError naming
// `from` when it cannot.
void RenameFile(const std::filesystem::path &from, const std::filesystem::path &to);

// Makes the folder and the folders above it that are missing; throws FileError naming the
// folder when it cannot be made (a file of that name, no permission).
void CreateFolders(const std::filesystem::path &path);

// Test seam: called before every low-level write of WriteFileAtomically; returning false
// makes that write fail as a full disk would. Pass an empty function to clear it.
void SetWriteFaultInjector(std::function<bool()> injector);

// The folder of the running executable with a trailing separator, taken once at start-up;
// data and settings file names are joined to it.
const std::string &ProgramFolder();
void SetProgramFolder(std::string folder);
// Sets the program folder from the system's name for the running program, else from argv[0].
void SetProgramFolderFromExecutable(const char *argv0);

} // namespace aw
