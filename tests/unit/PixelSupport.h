#pragma once

#include <set>
#include <utility>
#include <vector>

#include "raster2d/RasterTarget.h"

using Pixel = std::pair<int, int>;
using Pixels = std::vector<Pixel>;

// The recorded plots as integer pixels, in emission order.
inline Pixels pixelsOf(const RecordingTarget& target) {
    Pixels out;
    for (const PlottedPoint& p : target.points) {
        out.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y));
    }
    return out;
}

inline std::set<Pixel> pixelSetOf(const RecordingTarget& target) {
    const Pixels list = pixelsOf(target);
    return {list.begin(), list.end()};
}

inline Pixels shifted(const Pixels& pixels, int dx, int dy) {
    Pixels out;
    for (const Pixel& p : pixels)
        out.emplace_back(p.first + dx, p.second + dy);
    return out;
}
