#include "surfaces/PatchMath.h"

#include <cmath>

namespace patch {

namespace {

// Multiplied, not divided: 1/6 as a float rounds differently from a division by 6.
constexpr float kSixth = 0.16666667f;

template <class Basis>
Vec3 tensorPoint(const Vec3* points, float u, float v, Basis&& basis) {
    Vec3 sum{};
    for (int i = 0; i < 4; ++i) {
        const float bu = basis(i, u);
        for (int j = 0; j < 4; ++j) {
            const float bv = basis(j, v);
            const Vec3& p = points[4 * i + j];
            const float x = bu * p.x;
            const float y = bu * p.y;
            const float z = bu * p.z;
            sum.x += x * bv;
            sum.y += y * bv;
            sum.z += z * bv;
        }
    }
    return sum;
}

float weightedProduct(int i, int j, float u, float v, const float* weights) {
    return bezierBasis(i, u) * bezierBasis(j, v) * weights[4 * i + j];
}

float weightedSum(float u, float v, const float* weights) {
    float sum = 0.0f;
    for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 4; ++l)
            sum += weightedProduct(k, l, u, v, weights);
    }
    return sum;
}

}  // namespace

float bezierBasis(int i, float t) {
    const float s = 1.0f - t;
    switch (i) {
        case 0:
            return s * s * s;
        case 1:
            return 3.0f * t * s * s;
        case 2:
            return 3.0f * t * t * s;
        case 3:
            return t * t * t;
        default:
            return 0.0f;
    }
}

float coonsBasis(int i, float t) {
    const float s = 1.0f - t;
    switch (i) {
        case 0:
            return s * s * s * kSixth;
        case 1:
            return (3.0f * t * t * t - 6.0f * t * t + 4.0f) * kSixth;
        case 2:
            return (-3.0f * t * t * t + 3.0f * t * t + 3.0f * t + 1.0f) * kSixth;
        case 3:
            return t * t * t * kSixth;
        default:
            return 0.0f;
    }
}

float fergusonBasis(int i, float t) {
    switch (i) {
        case 0:
            return t * t * t - 2.0f * t * t + t;
        case 1:
            return 2.0f * t * t * t - 3.0f * t * t + 1.0f;
        case 2:
            return -2.0f * t * t * t + 3.0f * t * t;
        case 3:
            return t * t * t - t * t;
        default:
            return 0.0f;
    }
}

float rationalBasis(int i, int j, float u, float v, const float* weights) {
    const float product = weightedProduct(i, j, u, v, weights);
    const float quotient = product / weightedSum(u, v, weights);
    return std::isfinite(quotient) ? quotient : product;
}

Vec3 bezierPoint(const Vec3* points, float u, float v) {
    return tensorPoint(points, u, v, bezierBasis);
}

Vec3 coonsPoint(const Vec3* points, float u, float v) {
    return tensorPoint(points, u, v, coonsBasis);
}

Vec3 fergusonPoint(const Vec3* points, float u, float v) {
    return tensorPoint(points, u, v, fergusonBasis);
}

Vec3 rationalBezierPoint(const Vec3* points, float u, float v, const float* weights) {
    Vec3 sum{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const float r = rationalBasis(i, j, u, v, weights);
            const Vec3& p = points[4 * i + j];
            sum.x += r * p.x;
            sum.y += r * p.y;
            sum.z += r * p.z;
        }
    }
    return sum;
}

}  // namespace patch
