#pragma once

#include "base/ArmorwrightError.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace aw {

// A file could not be read or written; the message names the file and the reason.
class FileError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// Reads a whole file. Throws FileError naming the file when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string &path);
bool FileExists(const std::string &path);

// Writes bytes to path atomically: into a temporary file beside it, flushed to disk,
// then renamed over path. On any failure the temporary file is removed, the previous
// file stays as it was, and FileError is thrown.
void WriteFileAtomically(const std::string &path, const std::vector<uint8_t> &bytes);
void WriteFileAtomically(const std::string &path, const std::string &text);

// Deletes path when it exists; throws FileError when it exists and cannot be removed.
void RemoveFileIfExists(const std::string &path);

// Test seam: called before every low-level write of WriteFileAtomically; returning false
// makes that write fail as a full disk would. Pass an empty function to clear it.
void SetWriteFaultInjector(std::function<bool()> injector);

// The folder of the running executable with a trailing separator, taken once at start-up;
// data and settings file names are joined to it.
const std::string &ProgramFolder();
void SetProgramFolder(std::string folder);
// Sets the program folder from argv[0] (or /proc/self/exe when available).
void SetProgramFolderFromExecutable(const char *argv0);

} // namespace aw
