#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/SceneObject.h"
#include "io/PvfReader.h"

// The lists and the report of one read.
struct ReadScene {
    ObjectList objects2D;
    ObjectList surfaces3D;
    PvfReadReport report;

    const SceneObject& object(std::size_t i) const { return *std::next(objects2D.begin(), i); }
    const SceneObject& surface(std::size_t i) const { return *std::next(surfaces3D.begin(), i); }
};

inline ReadScene readText(const std::string& text) {
    ReadScene scene;
    scene.report = readPvfText(text, scene.objects2D, scene.surfaces3D);
    return scene;
}

inline std::vector<int> kindsOf(const ObjectList& list) {
    std::vector<int> kinds;
    for (const SceneObject& o : list)
        kinds.push_back(o.kind);
    return kinds;
}

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

    std::filesystem::path root;
};

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
