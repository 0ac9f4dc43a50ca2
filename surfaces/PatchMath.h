#pragma once

#include "model/Types.h"

// The bicubic patches as pure functions of a 16-point net (row order, index 4i + j, i along
// u), in single precision: each product N(i, u) · coordinate is rounded to a float before it
// is multiplied by N(j, v) and added, i outer and j inner, so that the speed listing times
// exactly the arithmetic the figures come from.
namespace patch {

// Basis value of index i (0 to 3) at t; any other index gives 0.
float bezierBasis(int i, float t);
float coonsBasis(int i, float t);
// Hermite order: start tangent, start point, end point, end tangent.
float fergusonBasis(int i, float t);
// Bernstein product times w(4i + j) over the weighted sum of all 16 products, recomputed on
// every call. Where that quotient is not finite (the weighted sum is 0, or so small the
// quotient overflows) the product is left undivided: a net whose weights cancel shows the
// weighted sum of its points, never a point at infinity.
float rationalBasis(int i, int j, float u, float v, const float* weights);

Vec3 bezierPoint(const Vec3* points, float u, float v);
Vec3 coonsPoint(const Vec3* points, float u, float v);
// The net's entries 0 and 3 in either direction are tangent vectors, used as stored.
Vec3 fergusonPoint(const Vec3* points, float u, float v);
Vec3 rationalBezierPoint(const Vec3* points, float u, float v, const float* weights);

}  // namespace patch
