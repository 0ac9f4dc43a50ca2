#pragma once

#include <cstddef>
#include <ostream>
#include <random>
#include <vector>

#include "PixelSupport.h"
#include "raster2d/CurveAlgorithms.h"

// One lineBresenham call of the curve's line drawer, by its first and last pixel.
struct Chord {
    Pixel from;
    Pixel to;
    bool operator==(const Chord& o) const { return from == o.from && to == o.to; }
};
using Chords = std::vector<Chord>;

inline std::ostream& operator<<(std::ostream& out, const Chord& c) {
    return out << "(" << c.from.first << "," << c.from.second << ")-(" << c.to.first << ","
               << c.to.second << ")";
}

// Every line drawer call sets the target colour before its first pixel, so the draw calls are
// the chords. A timed curve operation sets the colour once itself first: skip that one (skip = 0
// for the untimed polygon).
inline Chords chordsOf(const RecordingTarget& target, std::size_t skip = 1) {
    Chords out;
    const std::vector<DrawCall> calls = drawCalls(target);
    for (std::size_t c = skip; c < calls.size(); ++c) {
        const Pixels pixels = pixelsOf(calls[c].points);
        if (!pixels.empty()) out.push_back({pixels.front(), pixels.back()});
    }
    return out;
}

// Chords joining consecutive pixels of a polyline, each preceded by nothing.
inline Chords chordsThrough(const Pixels& corners) {
    Chords out;
    for (std::size_t i = 1; i < corners.size(); ++i) {
        out.push_back({corners[i - 1], corners[i]});
    }
    return out;
}

// The chords of a sampled segment: a one-pixel chord at the first sample, then the polyline.
inline Chords segmentChords(const Pixels& samples) {
    Chords out{{samples.front(), samples.front()}};
    for (const Chord& c : chordsThrough(samples)) {
        out.push_back(c);
    }
    return out;
}

inline Point3 pt(float x, float y) { return {x, y, 0.0f}; }

// The control points of the worked examples.
inline const std::vector<Point3> kArch = {pt(0, 0), pt(10, 40), pt(50, 40), pt(60, 0)};

// The NURBS circle preset of radius 50 about the origin.
inline const std::vector<Point3> kCirclePoints = {
    pt(50, 0), pt(50, 50), pt(-50, 50), pt(-50, 0), pt(-50, -50), pt(50, -50), pt(50, 0)};
inline const std::vector<float> kCircleKnots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
inline const std::vector<float> kCircleWeights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};

// Control points anywhere in the window, from a seeded generator.
inline std::vector<Point3> randomPoints(std::mt19937& rng, int count) {
    std::uniform_real_distribution<float> coord(0.0f, 800.0f);
    std::vector<Point3> out;
    for (int i = 0; i < count; ++i)
        out.push_back(pt(coord(rng), coord(rng)));
    return out;
}

// A curve object recording into its own target, with the program's colour.
struct CurveRig {
    explicit CurveRig(int32_t samples = 101) : curves(target, {1.0f, 1.0f, 0.0f}, samples) {}
    Chords chords() const { return chordsOf(target); }
    RecordingTarget target;
    CurveAlgorithms curves;
};
