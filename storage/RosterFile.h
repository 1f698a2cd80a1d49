#pragma once

#include "base/ArmorwrightError.h"
#include "storage/Roster.h"

#include <string>

namespace aw {

// A roster file that cannot be read whole; the message names the file and the first problem
// (with its JSON path, e.g. "$.entries[1].quantity").
class RosterFileError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// The roster as readable JSON: {"name", "budget" (null when none), "entries": [{"design",
// "quantity", "note"}]}. Design paths are written relative to `folder` with forward slashes
// (absolute when no relative path leads there).
std::string RosterToJson(const Roster &roster, const std::string &folder);
// Reads the JSON form; relative design paths are taken from `folder`. Throws RosterFileError
// (without a file name) for anything that is not a whole roster.
Roster RosterFromJson(const std::string &json, const std::string &folder);

// A design path as the roster file holds it: relative to `folder` with forward slashes, or
// absolute when no relative path leads there.
std::string RosterStoredPath(const std::string &design, const std::string &folder);
// The folder a roster file's relative design paths start from.
std::string RosterFolder(const std::string &rosterPath);

// Reads a roster file; throws FileError or RosterFileError, never gives a partial roster.
Roster ReadRosterFile(const std::string &path);
// Writes the roster atomically (a failed save leaves the previous file as it was).
void WriteRosterFile(const Roster &roster, const std::string &path);

} // namespace aw
