#include "TestFiles.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "base/Utf8Path.h"
#include "engine/DesignFile.h"

#include <fstream>
#include <stdexcept>

namespace aw {

std::string ReadText(const std::string &path)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(PathFromUtf8(path));
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> ReadTestLines(const std::string &relativePath)
{
    const std::string path = std::string(AW_TEST_DATA_DIR) + "/" + relativePath;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<uint8_t> BodyOf(const BaseVehicle &vehicle)
{
    Stream stream;
    SaveToStream(vehicle, stream);
    return stream.TakeBytes();
}

} // namespace aw
