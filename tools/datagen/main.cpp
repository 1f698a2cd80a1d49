// aw-datagen: turns the readable library tables of the data folder into the raw
// (uncompressed) WEAPONS, PFD, MOVEMENT and DROPDOWN blocks the program embeds.
#include "tools/datagen/LibraryData.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char *argv[])
{
    using namespace aw;
    if (argc != 3) {
        std::cerr << "Usage: aw-datagen DATA-DIR OUT-DIR\n"
                     "Writes WEAPONS.bin, PFD.bin, MOVEMENT.bin and DROPDOWN.bin into OUT-DIR.\n";
        return 2;
    }
    try {
        const LibraryData data = ReadLibraryData(argv[1]);
        std::filesystem::create_directories(argv[2]);
        WriteLibraryBlocks(data, argv[2]);
    } catch (const std::exception &e) {
        std::cerr << "aw-datagen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
