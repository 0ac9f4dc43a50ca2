#include "raster2d/CurveMath.h"

namespace curve {

void bsplineKnots(float* knots, int n, int t) {
    for (int j = 0; j <= n + t; ++j) {
        if (j < t) {
            knots[j] = 0.0f;
        } else if (j <= n) {
            knots[j] = static_cast<float>(j - t + 1);
        } else {
            knots[j] = static_cast<float>(n - t + 2);
        }
    }
}

double bsplineBlend(int k, int t, const float* u, double v) {
    if (t < 1) return 0.0;  // no basis below order 1; keeps nonsense orders from recursing
    if (t == 1) return (u[k] <= v && v < u[k + 1]) ? 1.0 : 0.0;  // half-open: no support at the end
    // A term whose knot span is empty is left out rather than divided by zero.
    const bool leftEmpty = u[k + t - 1] == u[k];
    const bool rightEmpty = u[k + t] == u[k + 1];
    if (leftEmpty && rightEmpty) return 0.0;
    double sum = 0.0;
    if (!leftEmpty) sum += (v - u[k]) / (u[k + t - 1] - u[k]) * bsplineBlend(k, t - 1, u, v);
    if (!rightEmpty) {
        sum += (u[k + t] - v) / (u[k + t] - u[k + 1]) * bsplineBlend(k + 1, t - 1, u, v);
    }
    return sum;
}

Point3 bsplinePoint(const Point3* points, int n, int t, const float* u, double v) {
    Point3 q;
    for (int k = 0; k <= n; ++k) {
        const double b = bsplineBlend(k, t, u, v);
        // Each coordinate is accumulated in single precision.
        q.x = static_cast<float>(q.x + points[k].x * b);
        q.y = static_cast<float>(q.y + points[k].y * b);
        q.z = static_cast<float>(q.z + points[k].z * b);
    }
    return q;
}

Point3 nurbsPoint(const Point3* points, const float* weights, int n, int t, const float* u,
                  double v) {
    Point3 numerator;
    float denominator = 0.0f;
    for (int k = 0; k <= n; ++k) {
        const double h = bsplineBlend(k, t, u, v) * weights[k];
        numerator.x = static_cast<float>(numerator.x + points[k].x * h);
        numerator.y = static_cast<float>(numerator.y + points[k].y * h);
        numerator.z = static_cast<float>(numerator.z + points[k].z * h);
        denominator = static_cast<float>(denominator + h);
    }
    if (denominator == 0.0f) return noPoint();
    return {numerator.x / denominator, numerator.y / denominator, numerator.z / denominator};
}

}  // namespace curve
