#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace aw {

// The entry functions of the fuzz targets. Each feeds one input to one reader of untrusted
// data, accepts the errors that reader documents for bad data and checks what must hold for
// data it accepts. Anything else (a crash, a sanitizer report, another exception, a failed
// check) is a finding. The same functions replay the checked-in corpora in the test suite.

// A check on accepted data did not hold.
class FuzzFinding : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A compressed container ("!HZL"): decoded; what decodes (up to 2 KB) must encode and decode
// back to itself.
void FuzzContainer(std::span<const uint8_t> data);
// A design body (what a design file decompresses to): loaded; an accepted design must save and
// load back to the same body, settle as the editor settles it and make a print job.
void FuzzDesignBody(std::span<const uint8_t> data);
// The override files: the first byte chooses the reader (weapon, perk or movement records,
// drop-down text, "Screen.zel", "Custom.zel"); the rest is the file's content (decompressed for
// the record files and the drop-down text, as stored for the two settings files).
void FuzzOverrideFile(std::span<const uint8_t> data);
// A record-sheet layout block (decompressed), drawn with a sample design's values.
void FuzzSheetLayout(std::span<const uint8_t> data);
// A text or HTML sheet template (first byte: even text, odd HTML), filled with a sample design.
void FuzzSheetTemplate(std::span<const uint8_t> data);
// The JSON form of a design; an accepted design must write and read back to the same body.
void FuzzDesignJson(std::span<const uint8_t> data);

// Selectors of FuzzOverrideFile.
enum class OverrideFile : uint8_t { Weapons, Perks, Movement, DropDown, Screen, Custom, Count };

struct FuzzTarget {
    const char *Name; // also the corpus folder and the dictionary name
    void (*Entry)(std::span<const uint8_t>);
};

// Every target, in a fixed order.
const std::vector<FuzzTarget> &FuzzTargets();

} // namespace aw
