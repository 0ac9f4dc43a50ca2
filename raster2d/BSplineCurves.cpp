#include "raster2d/CurveAlgorithms.h"

#include <cstddef>

double CurveAlgorithms::bsplineCurve(const Point3* points, int count, int order) {
    if (points == nullptr || count < 4 || order > count) return 0.0;
    if (order < 1 || order > kMaxOrder) return 0.0;
    return bracket([&] {
        const int n = count - 1;
        lastKnots.resize(static_cast<std::size_t>(n + order + 1));
        curve::bsplineKnots(lastKnots.data(), n, order);
        const float* u = lastKnots.data();
        // The parameter spans the whole knot range, 0 to n - t + 2.
        sampleSpline([&](double v) { return curve::bsplinePoint(points, n, order, u, v); },
                     n - order + 2, points[n]);
        drawSplineChords();
    });
}

double CurveAlgorithms::nurbsCurve(const Point3* points, const float* knots, const float* weights,
                                   int count, int knotCount) {
    // With the order taken as knotCount - count the recursion reads knots 0 to knotCount - 1
    // and weights 0 to count - 1, never more. Orders below 1 have no basis.
    const int64_t order = int64_t{knotCount} - count;
    if (points == nullptr || knots == nullptr || weights == nullptr) return 0.0;
    if (count < 1 || order < 1 || order > kMaxOrder) return 0.0;
    return bracket([&] {
        const int n = count - 1;
        const int t = static_cast<int>(order);
        sampleSpline([&](double v) { return curve::nurbsPoint(points, weights, n, t, knots, v); },
                     1, points[n]);
        drawSplineChords();
    });
}

// N - 1 chords between consecutive samples, without the one-pixel first chord of a segment.
void CurveAlgorithms::drawSplineChords() {
    for (std::size_t i = 1; i < sampleBuffer.size(); ++i) {
        drawChord(sampleBuffer[i - 1], sampleBuffer[i]);
    }
}
