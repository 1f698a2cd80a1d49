#pragma once

#include "base/Files.h"

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh, empty program folder for one test, removed afterwards.
struct TStorageFolder {
    std::filesystem::path path;
    explicit TStorageFolder(const std::string &tag)
        : path(std::filesystem::temp_directory_path() / ("aw-storage-" + tag + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TStorageFolder() { std::filesystem::remove_all(path); }
    std::string folder() const { return path.string() + "/"; }
    std::string file(const std::string &name) const { return folder() + name; }
    bool has(const std::string &name) const { return std::filesystem::exists(path / name); }
};

inline std::vector<uint8_t> Bytes(const std::string &text) { return {text.begin(), text.end()}; }
