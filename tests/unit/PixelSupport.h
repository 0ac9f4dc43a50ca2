#pragma once

#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

#include "raster2d/RasterTarget.h"

using Pixel = std::pair<int, int>;
using Pixels = std::vector<Pixel>;

// Plots as integer pixels, in emission order.
inline Pixels pixelsOf(const std::vector<PlottedPoint>& points) {
    Pixels out;
    for (const PlottedPoint& p : points) {
        out.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y));
    }
    return out;
}

inline Pixels pixelsOf(const RecordingTarget& target) { return pixelsOf(target.points); }

inline std::set<Pixel> setOf(const Pixels& pixels) { return {pixels.begin(), pixels.end()}; }

inline std::set<Pixel> pixelSetOf(const RecordingTarget& target) { return setOf(pixelsOf(target)); }

inline Pixels shifted(const Pixels& pixels, int dx, int dy) {
    Pixels out;
    for (const Pixel& p : pixels)
        out.emplace_back(p.first + dx, p.second + dy);
    return out;
}

// (x, y) with every sign combination, and with `swapped` also its mirror (y, x).
inline std::set<Pixel> mirrored(std::initializer_list<Pixel> part, bool swapped = true) {
    std::set<Pixel> out;
    for (const Pixel& p : part) {
        for (int sx : {-1, 1}) {
            for (int sy : {-1, 1}) {
                out.insert({sx * p.first, sy * p.second});
                if (swapped) out.insert({sx * p.second, sy * p.first});
            }
        }
    }
    return out;
}

// The plots of each drawing call: every call begins by setting its colour.
struct DrawCall {
    float r, g, b;
    std::vector<PlottedPoint> points;
};

inline std::vector<DrawCall> drawCalls(const RecordingTarget& target) {
    std::vector<DrawCall> calls;
    for (std::size_t c = 0; c < target.colors.size(); ++c) {
        const auto& change = target.colors[c];
        const std::size_t end =
            c + 1 < target.colors.size() ? target.colors[c + 1].atPlot : target.points.size();
        calls.push_back({change.r,
                         change.g,
                         change.b,
                         {target.points.begin() + static_cast<std::ptrdiff_t>(change.atPlot),
                          target.points.begin() + static_cast<std::ptrdiff_t>(end)}});
    }
    return calls;
}
