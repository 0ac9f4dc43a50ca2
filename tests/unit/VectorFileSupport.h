#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "FileSupport.h"
#include "io/PvfReader.h"
#include "model/SceneObject.h"

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
