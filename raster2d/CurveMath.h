#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/Types.h"

// The pure mathematics of the curve family: point functions, subdivision, the Bernstein and
// B-spline bases and the parameter walk of the sampled curves. Nothing here draws, so tests can
// check samples in floating point before truncation hides them.
namespace curve {

struct CubicPoints {
    Point3 p0, p1, p2, p3;
};

// A point function marks a parameter without a defined point (a zero weight denominator)
// with this value; the samplers skip every sample that is not finite.
inline Point3 noPoint() {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    return {nan, nan, nan};
}

inline bool hasPoint(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Cubic segments on four control points, evaluated in single precision.
Point3 bezierCubicPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3,
                        float t);
Point3 fergusonPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3,
                     float t);
Point3 coonsPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, float t);
Point3 catmullRomPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3,
                       float t);

// de Casteljau at t = 1/2: left = (P0, L1, L2, M), right = (M, R1, R2, P3).
void subdivideHalf(const CubicPoints& cubic, CubicPoints& left, CubicPoints& right);

// Double precision throughout: 49! is about 6.1e62, far beyond a float.
double factorial(int n);
double binomial(int n, int k);
float bernstein(int n, int i, float t);

// Bezier curves of degree count - 1; weights hold count floats.
Point3 bezierPoint(const Point3* points, int count, float t);
Point3 rationalBezierPoint(const Point3* points, int count, const float* weights, float t);

// Clamped uniform knot vector of n + t + 1 values for control points 0..n and order t.
void bsplineKnots(float* knots, int n, int t);
// Cox-de Boor basis of point k and order t; reads u[k] to u[k + t].
double bsplineBlend(int k, int t, const float* u, double v);
// Points 0..n, order t; u holds n + t + 1 knots (and weights n + 1 values).
Point3 bsplinePoint(const Point3* points, int n, int t, const float* u, double v);
Point3 nurbsPoint(const Point3* points, const float* weights, int n, int t, const float* u,
                  double v);

// The parameters of one sampled segment of n samples: t = k/(n - 1) for k = 0 to n - 1,
// accumulated in single precision, so for many n (101 among them) the last one falls just
// short of 1. The bound 1 + 1/n lets it reach 1 despite that rounding and stops before
// 1 + 1/(n - 1). 1/n + 1 is never negative for a whole n, but from n = 0 down the increment
// runs away from the bound and the walk would never end: such n give no parameter at all.
// n = 1 gives t = 0 alone (the increment 1/0 leaves the bound at once).
template <class Visit>
void forEachSegmentParameter(int32_t n, Visit&& visit) {
    if (n < 1) return;
    const double step = n > 1 ? 1.0 / (n - 1) : std::numeric_limits<double>::infinity();
    const double bound = 1.0 + 1.0 / n;
    float t = 0.0f;
    double sum = 0.0;
    do {
        visit(t);
        sum = static_cast<double>(t) + step;  // the comparison sees the unrounded sum
        t = static_cast<float>(sum);
    } while (sum <= bound);
}

}  // namespace curve
