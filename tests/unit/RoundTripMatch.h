#pragma once

// How an object written to PVF and read back compares with the one written: coordinates as "%d"
// truncates them, weights, knots and colours as "%f" writes and reads them, the rest unchanged.
// The reader's fuzz target shares it, so it needs no test framework.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "io/PvfBlockWriter.h"
#include "model/ObjectKind.h"
#include "model/SceneObject.h"

// A float after six decimals of "%f" and the read of "%f".
inline float throughSixDecimals(float v) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(v));
    return std::strtof(text, nullptr);
}

inline bool sameFloats(const std::vector<float>& read, const std::vector<float>& written) {
    if (read.size() != written.size()) return false;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i] != throughSixDecimals(written[i])) return false;
    }
    return true;
}

inline bool sameCoordinate(float read, float written) {
    return read == static_cast<float>(truncatedCoordinate(written));
}

// The first field in which `read` differs from `written` read back; empty when none does.
// Surface kinds share their numbers with 2D circles and ellipses: `surface` tells them apart.
inline std::string roundTripMismatch(const SceneObject& read, const SceneObject& written,
                                     bool surface = false) {
    if (read.kind != (isNurbs(written.kind) ? kNurbsCircle : written.kind)) return "kind";
    if (read.pointCount != written.pointCount) return "pointCount";
    if (read.sizeA != written.sizeA || read.sizeB != written.sizeB) return "sizes";
    if (read.angle != written.angle) return "angle";
    if (read.order != written.order) return "order";
    if (read.requiredPoints != written.requiredPoints) return "requiredPoints";
    if (read.knotCount != written.knotCount) return "knotCount";
    if (read.points.size() != written.points.size()) return "points";
    // Circles and ellipses carry only their centre; the reader puts the handles anew beside
    // the truncated centre, so they are not the written handles truncated.
    const bool handlesDerived =
        !surface && written.kind >= kCircleBresenham && written.kind <= kEllipseGeneral;
    const std::size_t carried = handlesDerived ? 1 : read.points.size();
    for (std::size_t i = 0; i < carried; ++i) {
        const Point3& r = read.points[i];
        const Point3& w = written.points[i];
        if (!sameCoordinate(r.x, w.x) || !sameCoordinate(r.y, w.y) || !sameCoordinate(r.z, w.z)) {
            return "point " + std::to_string(i);
        }
    }
    if (!sameFloats(read.weights, written.weights)) return "weights";
    if (!sameFloats(read.knots, written.knots)) return "knots";
    for (int c = 0; c < 3; ++c) {
        if (read.color[c] != throughSixDecimals(written.color[c])) return "colour";
    }
    return "";
}
