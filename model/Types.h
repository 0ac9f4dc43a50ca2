#pragma once

// The colour and point types every layer shares.
struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// 2D objects keep z at 0; the surface code calls the same triple a Vec3.
struct Point3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
using Vec3 = Point3;
