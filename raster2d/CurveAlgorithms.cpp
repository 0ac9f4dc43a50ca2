#include "raster2d/CurveAlgorithms.h"

#include <algorithm>

namespace {

// Truncation toward zero, as every caller of the line algorithms does.
int truncated(float v) {
    return static_cast<int>(
        std::clamp(v, -CurveAlgorithms::kCoordinateLimit, CurveAlgorithms::kCoordinateLimit));
}

}  // namespace

CurveAlgorithms::CurveAlgorithms(RasterTarget& output, Rgb startColor, int32_t samples)
    : RasterAlgorithm(output, startColor), lineDrawer(output, startColor), sampleCount(samples) {}

void CurveAlgorithms::setColor(float r, float g, float b) {
    RasterAlgorithm::setColor(r, g, b);
    lineDrawer.setColor(r, g, b);
}

void CurveAlgorithms::drawChord(const Point3& from, const Point3& to) {
    if (!curve::hasPoint(from) || !curve::hasPoint(to)) return;
    lineDrawer.lineBresenham(truncated(from.x), truncated(from.y), truncated(to.x),
                             truncated(to.y));
}

void CurveAlgorithms::drawPolygon(const Point3* points, int count, float r, float g, float b) {
    lineDrawer.setColor(r, g, b);
    for (int i = 0; i + 1 < count; ++i) {
        drawChord(points[i], points[i + 1]);
    }
}

double CurveAlgorithms::bezierCubicIterative(const Point3& p0, const Point3& p1, const Point3& p2,
                                             const Point3& p3) {
    return bracket([&] {
        sampleSegment([&](float t) { return curve::bezierCubicPoint(p0, p1, p2, p3, t); });
    });
}

double CurveAlgorithms::bezierCubicRecursive(const Point3& p0, const Point3& p1, const Point3& p2,
                                             const Point3& p3) {
    return bracket([&] {
        const int32_t depth = std::min(sampleCount / 10, kMaxSubdivisionDepth);
        drawSubdivided({p0, p1, p2, p3}, depth);
    });
}

// The halves live in this frame and die with it: at most kMaxSubdivisionDepth frames deep,
// nothing on the heap however many chords come out.
void CurveAlgorithms::drawSubdivided(const curve::CubicPoints& cubic, int32_t depth) {
    if (depth >= 1) {
        curve::CubicPoints left;
        curve::CubicPoints right;
        curve::subdivideHalf(cubic, left, right);
        drawSubdivided(left, depth - 1);
        drawSubdivided(right, depth - 1);
    } else if (depth == 0) {  // a negative sample count gives a negative depth: no chord
        drawChord(cubic.p0, cubic.p3);
    }
}

double CurveAlgorithms::fergusonCubic(const Point3& p0, const Point3& p1, const Point3& p2,
                                      const Point3& p3) {
    return bracket(
        [&] { sampleSegment([&](float t) { return curve::fergusonPoint(p0, p1, p2, p3, t); }); });
}

double CurveAlgorithms::coonsCubic(const Point3& p0, const Point3& p1, const Point3& p2,
                                   const Point3& p3) {
    return bracket(
        [&] { sampleSegment([&](float t) { return curve::coonsPoint(p0, p1, p2, p3, t); }); });
}

double CurveAlgorithms::catmullRomCubic(const Point3& p0, const Point3& p1, const Point3& p2,
                                        const Point3& p3) {
    return bracket(
        [&] { sampleSegment([&](float t) { return curve::catmullRomPoint(p0, p1, p2, p3, t); }); });
}
