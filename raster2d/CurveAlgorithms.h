#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/ObjectKind.h"
#include "model/Types.h"
#include "raster2d/CurveMath.h"
#include "raster2d/LineAlgorithms.h"
#include "raster2d/RasterAlgorithm.h"

// Parametric curves approximated by Bresenham chords: the cubic segments, the Bezier curves,
// the cubic chains, the B-spline and the NURBS. Each drawing operation runs in one bracket
// and returns its time in milliseconds; the chords' own times are discarded.
//
// A sample without a defined point (a weight denominator of zero in the rational Bezier or
// the NURBS, or a non-finite input) is skipped: it draws no chord, and the next sample that
// has a point is joined to the last one drawn. Both rational forms follow this one rule.
class CurveAlgorithms : public RasterAlgorithm {
  public:
    CurveAlgorithms(RasterTarget& output, Rgb startColor, int32_t samples);

    void setColor(float r, float g, float b) override;
    const std::vector<float>& knotBuffer() const { return lastKnots; }
    // The samples of the last B-spline or NURBS, after skipped ones were left out.
    const std::vector<Point3>& splineSamples() const { return sampleBuffer; }

    // Untimed; leaves lineDrawer in the polygon colour until the next setColor.
    void drawPolygon(const Point3* points, int count, float r, float g, float b);

    double bezierCubicIterative(const Point3& p0, const Point3& p1, const Point3& p2,
                                const Point3& p3);
    double bezierCubicRecursive(const Point3& p0, const Point3& p1, const Point3& p2,
                                const Point3& p3);
    double fergusonCubic(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3);
    double coonsCubic(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3);
    double catmullRomCubic(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3);

    double bezierCurve(const Point3* points, int count);
    double rationalBezierCurve(const Point3* points, int count, const float* weights);
    double coonsCurve(const Point3* points, int count);
    double fergusonCurve(const Point3* points, int count);
    double catmullRomCurve(const Point3* points, int count);

    // 0 and nothing drawn unless 4 <= count and 1 <= order <= count (and order <= kMaxOrder).
    double bsplineCurve(const Point3* points, int count, int order);
    // knots holds knotCount floats, weights count floats; the order is knotCount - count.
    // 0 and nothing drawn when that order is below 1 or above kMaxOrder.
    double nurbsCurve(const Point3* points, const float* knots, const float* weights, int count,
                      int knotCount);

    static constexpr int kMaxOrder = kMaxBSplineOrder;
    // Chord ends are pinned here before truncation. It lies beyond the largest coordinate a
    // scene file may hold, so no real chord is bent; it keeps the float-to-int conversion
    // defined and a chord's length bounded when a rational curve with odd weights throws a
    // sample far away.
    static constexpr float kCoordinateLimit = 131072.0f;
    // Depth sampleCount / 10 is 20 at the largest panel setting, already a million chords.
    static constexpr int32_t kMaxSubdivisionDepth = 20;

    LineAlgorithms lineDrawer;
    int32_t sampleCount;

  private:
    void drawChord(const Point3& from, const Point3& to);
    void drawSubdivided(const curve::CubicPoints& cubic, int32_t depth);

    // Chords through the samples Q(t) of one segment; the first joins Q(0) to itself.
    template <class PointAt>
    void sampleSegment(PointAt&& pointAt) {
        Point3 prev;
        bool started = false;
        curve::forEachSegmentParameter(sampleCount, [&](float t) {
            const Point3 q = pointAt(t);
            if (!curve::hasPoint(q)) return;
            drawChord(started ? prev : q, q);
            prev = q;
            started = true;
        });
    }

    // One segment on every run of four consecutive points: count - 3 segments.
    template <class SegmentPoint>
    void sampleChain(const Point3* points, int count, SegmentPoint segmentPoint) {
        for (int k = 0; points != nullptr && k + 3 < count; ++k) {
            const Point3* p = points + k;
            sampleSegment([&](float t) { return segmentPoint(p[0], p[1], p[2], p[3], t); });
        }
    }

    // N - 1 samples at v = 0, span/(N - 1), ... in double, then the end point, where every
    // basis function is 0 at the end knot. The buffer is kept between calls so that a frame
    // does not allocate.
    template <class PointAt>
    void sampleSpline(PointAt&& pointAt, int span, const Point3& endPoint) {
        sampleBuffer.clear();
        if (sampleCount < 2) return;  // a lone sample has no chord
        sampleBuffer.reserve(static_cast<std::size_t>(sampleCount));
        const double increment = static_cast<double>(span) / (sampleCount - 1);
        double v = 0.0;
        for (int32_t i = 0; i + 1 < sampleCount; ++i) {
            const Point3 s = pointAt(v);
            if (curve::hasPoint(s)) sampleBuffer.push_back(s);
            v += increment;
        }
        if (curve::hasPoint(endPoint)) sampleBuffer.push_back(endPoint);
    }

    void drawSplineChords();

    std::vector<float> lastKnots;
    std::vector<Point3> sampleBuffer;
};
