#pragma once

#include <cstddef>
#include <cstdint>

#include "app/SceneObject.h"

class Application;
class RasterAlgorithm;

// How the 2D scene pass treats one kind: which aid the active object shows, when it is drawn,
// when it gets the "-> " prefix, which row it prints and which algorithm draws it.
struct PassEntry2D {
    enum class Aid { None, Polygon, TangentLines, TangentPairs };

    int32_t kind;
    const char* rowLabel;
    Aid aid;
    bool (*complete)(const SceneObject&);
    bool (*prefixed)(const SceneObject&);
    RasterAlgorithm& (*family)(Application&);
    double (*draw)(Application&, const SceneObject&);
};

// nullptr for the kinds the pass skips.
const PassEntry2D* findPassEntry2D(int32_t kind);

// Float coordinates become pixels by truncation toward zero, never by rounding.
inline int pixelCoordinate(float v) { return static_cast<int>(v); }

// Counts beyond the stored points are never trusted: an object read from a damaged file
// must not make the pass read outside its arrays.
inline std::size_t placedPoints(const SceneObject& o) {
    const auto count = o.pointCount < 0 ? 0u : static_cast<std::size_t>(o.pointCount);
    return count < o.points.size() ? count : o.points.size();
}
