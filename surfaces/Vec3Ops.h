#pragma once

#include <cmath>

#include "model/Types.h"

// The small vector steps of the mesh normals, in single precision.
inline void vecSet(Vec3& v, float x, float y, float z) { v = {x, y, z}; }

inline void vecCopy(Vec3& destination, const Vec3& source) { destination = source; }

inline void vecSub(Vec3& destination, const Vec3& a, const Vec3& b) {
    destination = {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline void vecAdd(Vec3& destination, const Vec3& a, const Vec3& b) {
    destination = {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline void vecDiv(Vec3& v, float s) { v = {v.x / s, v.y / s, v.z / s}; }

// destination may be a or b.
inline void vecCross(Vec3& destination, const Vec3& a, const Vec3& b) {
    destination = {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// A vector of no length has no direction to keep: it stays as it is, and the caller decides
// what it stands for. Returns the length divided by.
inline float vecNormalize(Vec3& v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length > 0.0f) vecDiv(v, length);
    return length;
}
