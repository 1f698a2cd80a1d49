#pragma once

#include "engine/Vehicle.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// What one run of armorwright-cli gave.
struct TCliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Runs the built command-line tool (or another executable) with the arguments, feeding
// `input` to its standard input. Standard output goes to `outputPath` when one is given.
TCliRun RunCli(const std::vector<std::string> &args, const std::string &input = "",
               const std::string &executable = AW_CLI_PATH, const std::string &outputPath = "");

// A fresh folder removed with everything in it at the end of the test.
class TTempFolder {
  public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder &) = delete;
    TTempFolder &operator=(const TTempFolder &) = delete;

    std::string operator/(const std::string &name) const { return (m_path / name).string(); }
    const std::filesystem::path &Path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

std::string ReadText(const std::string &path);
// The design body inside a design file (the container decompressed).
std::vector<uint8_t> DesignBody(const std::string &path);
// The body the writer makes of a design.
std::vector<uint8_t> BodyOf(const TBaseVehicle &vehicle);

// An uncompressed 24-bit bitmap file of the given size, every pixel of one colour.
std::vector<uint8_t> TinyBitmap(int width, int height, uint8_t shade = 0x40);

// A design with every field set, Windows-1252 texts beyond ASCII, a picture, three
// movement systems, entries in all three perk lists and three weapons with links, spare
// clips and several ammunition sections.
std::unique_ptr<TVehicle> FullDesign();

// A small design: one ground system, one weapon, production type 3.
std::unique_ptr<TVehicle> SmallDesign(const std::string &name, int32_t armor = 6);
