#pragma once

#include <cstdint>
#include <list>
#include <vector>

struct Point3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

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

// Front insertion, list order from the front, one shared cursor: std::list serves.
using ObjectList = std::list<SceneObject>;
using ObjectCursor = ObjectList::iterator;
