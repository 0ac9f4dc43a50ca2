#include "raster2d/CurveAlgorithms.h"

double CurveAlgorithms::bezierCurve(const Point3* points, int count) {
    return bracket([&] {
        if (points == nullptr || count < 1) return;
        sampleSegment([&](float t) { return curve::bezierPoint(points, count, t); });
    });
}

double CurveAlgorithms::rationalBezierCurve(const Point3* points, int count, const float* weights) {
    return bracket([&] {
        if (points == nullptr || weights == nullptr || count < 1) return;
        sampleSegment(
            [&](float t) { return curve::rationalBezierPoint(points, count, weights, t); });
    });
}

// The chains sample their segments directly inside their own bracket, so the time covers
// the whole chain.
double CurveAlgorithms::coonsCurve(const Point3* points, int count) {
    return bracket([&] { sampleChain(points, count, curve::coonsPoint); });
}

double CurveAlgorithms::catmullRomCurve(const Point3* points, int count) {
    return bracket([&] { sampleChain(points, count, curve::catmullRomPoint); });
}

// Points come in pairs (curve point, end of its tangent vector); segment j runs from pair j
// to pair j + 1. An odd last point has no partner and is not used.
double CurveAlgorithms::fergusonCurve(const Point3* points, int count) {
    return bracket([&] {
        for (int j = 0; points != nullptr && j <= count / 2 - 2; ++j) {
            const Point3* p = points + 2 * j;
            sampleSegment([&](float t) { return curve::fergusonPoint(p[0], p[1], p[3], p[2], t); });
        }
    });
}
