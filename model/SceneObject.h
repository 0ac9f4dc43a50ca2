#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

#include "model/Types.h"

// One object of either list. Creators size `points` (and `weights`, `knots`) to the capacity
// of the kind; `pointCount` says how many of them are placed.
struct SceneObject {
    int32_t kind = 0;
    int32_t pointCount = 0;
    int32_t order = 0;
    int32_t sizeA = 0;
    int32_t sizeB = 0;
    int32_t angle = 0;
    bool active = false;
    int32_t knotCount = 0;
    int32_t requiredPoints = 0;
    std::vector<Point3> points;
    std::vector<float> weights;
    std::vector<float> knots;
    float color[3] = {0.0f, 0.0f, 0.0f};
};

// True when the arrays really back `pointCount` (with a weight per point when asked) and
// `knotCount`: an object from a damaged file must never make a pass or the writer read past
// its arrays.
inline bool holdsItsPoints(const SceneObject& o, bool weighted = false) {
    if (o.pointCount < 0) return false;
    const auto n = static_cast<std::size_t>(o.pointCount);
    return o.points.size() >= n && (!weighted || o.weights.size() >= n);
}

inline bool holdsItsKnots(const SceneObject& o) {
    return o.knotCount >= 0 && o.knots.size() >= static_cast<std::size_t>(o.knotCount);
}

// Front insertion, list order from the front, one shared cursor: std::list serves.
using ObjectList = std::list<SceneObject>;
using ObjectCursor = ObjectList::iterator;
