#include "raster2d/CurveMath.h"

namespace curve {

namespace {

// The Coons divisor in single precision; 1/6 taken in double moves some pixels.
constexpr float kSixth = 0.16666667f;

// c0·a + c1·b + c2·c + c3·d, summed left to right in single precision.
Point3 combine(float c0, const Point3& a, float c1, const Point3& b, float c2, const Point3& c,
               float c3, const Point3& d) {
    return {c0 * a.x + c1 * b.x + c2 * c.x + c3 * d.x, c0 * a.y + c1 * b.y + c2 * c.y + c3 * d.y,
            c0 * a.z + c1 * b.z + c2 * c.z + c3 * d.z};
}

Point3 scaled(const Point3& p, float factor) { return {p.x * factor, p.y * factor, p.z * factor}; }

Point3 difference(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Point3 midpoint(const Point3& a, const Point3& b) {
    return {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f, (a.z + b.z) / 2.0f};
}

}  // namespace

Point3 bezierCubicPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3,
                        float t) {
    const float u = 1.0f - t;
    return combine(u * u * u, p0, 3 * t * u * u, p1, 3 * t * t * u, p2, t * t * t, p3);
}

// Hermite form: P1 - P0 is the start tangent, P2 - P3 the end tangent.
Point3 fergusonPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3,
                     float t) {
    const float t2 = t * t;
    const float t3 = t * t * t;
    return combine(2 * t3 - 3 * t2 + 1, p0, 3 * t2 - 2 * t3, p3, t3 - 2 * t2 + t,
                   difference(p1, p0), t3 - t2, difference(p2, p3));
}

Point3 coonsPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, float t) {
    const float u = 1.0f - t;
    const float t2 = t * t;
    const float t3 = t * t * t;
    const Point3 sum =
        combine(u * u * u, p0, 3 * t3 - 6 * t2 + 4, p1, -3 * t3 + 3 * t2 + 3 * t + 1, p2, t3, p3);
    return scaled(sum, kSixth);
}

Point3 catmullRomPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3,
                       float t) {
    const float t2 = t * t;
    const float t3 = t * t * t;
    const Point3 sum = combine(-t3 + 2 * t2 - t, p0, 3 * t3 - 5 * t2 + 2, p1, -3 * t3 + 4 * t2 + t,
                               p2, t3 - t2, p3);
    return {sum.x / 2, sum.y / 2, sum.z / 2};
}

void subdivideHalf(const CubicPoints& cubic, CubicPoints& left, CubicPoints& right) {
    const Point3 l1 = midpoint(cubic.p0, cubic.p1);
    const Point3 h = midpoint(cubic.p1, cubic.p2);
    const Point3 r2 = midpoint(cubic.p2, cubic.p3);
    const Point3 l2 = midpoint(l1, h);
    const Point3 r1 = midpoint(h, r2);
    const Point3 m = midpoint(l2, r1);
    left = {cubic.p0, l1, l2, m};
    right = {m, r1, r2, cubic.p3};
}

double factorial(int n) {
    if (n <= 0) return 1.0;  // also ends the recursion for nonsense negative arguments
    return n * factorial(n - 1);
}

double binomial(int n, int k) {
    if (k < 0 || k > n) return 0.0;
    return factorial(n) / (factorial(k) * factorial(n - k));
}

float bernstein(int n, int i, float t) {
    // The double power function, its result kept in single precision; its 0^0 is 1, as the
    // basis wants at either end of the parameter range.
    const float a = static_cast<float>(std::pow(double{t}, i));
    const float b = static_cast<float>(std::pow(double{1.0f - t}, n - i));
    return static_cast<float>(binomial(n, i) * a * b);
}

Point3 bezierPoint(const Point3* points, int count, float t) {
    const int n = count - 1;
    Point3 q;
    for (int i = 0; i <= n; ++i) {
        const float b = bernstein(n, i, t);
        q.x += b * points[i].x;
        q.y += b * points[i].y;
        q.z += b * points[i].z;
    }
    return q;
}

Point3 rationalBezierPoint(const Point3* points, int count, const float* weights, float t) {
    const int n = count - 1;
    Point3 q;
    for (int i = 0; i <= n; ++i) {
        const float r = bernstein(n, i, t) * weights[i];
        // The denominator is summed again for every i: that cost is what the speed listing
        // compares against the plain Bezier curve.
        float d = 0.0f;
        for (int j = 0; j <= n; ++j) {
            d += bernstein(n, j, t) * weights[j];
        }
        if (d == 0.0f) return noPoint();
        q.x += points[i].x * r / d;
        q.y += points[i].y * r / d;
        q.z += points[i].z * r / d;
    }
    return q;
}

}  // namespace curve
