#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh directory under the system's temporary folder, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pvf-XXXXXX").string();
        if (const char* made = mkdtemp(pattern.data())) root = made;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path(const std::string& name) const { return (root / name).string(); }
    // A FIFO with no writer: opening it for reading blocks, reading it waits.
    std::string fifo(const std::string& name) const {
        return mkfifo(path(name).c_str(), 0600) == 0 ? path(name) : "no FIFO made";
    }

    std::filesystem::path root;
};

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void writeFile(const std::string& path, const Bytes& bytes) {
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}
