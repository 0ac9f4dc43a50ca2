#pragma once

#include <cstdint>
#include <string_view>

// Kind numbers are sparse and fixed; 2D and 3D share some numbers, the list decides which
// table applies.
enum ObjectKind : int32_t {
    kLineBresenham = 1,
    kLineDDA = 2,
    kLineTwoStep = 3,    // LINE_ENHANCED_DDA in files
    kLineLine2Step = 4,  // read and written back, never drawn
    kCircleBresenham = 10,
    kCircleRotation = 11,
    kCircleParametric = 12,
    kEllipseBresenham = 15,
    kEllipseParametric = 16,
    kEllipseGeneral = 17,
    kBezierCubicIterative = 20,
    kBezierCubicRecursive = 21,
    kFergusonCubic = 22,
    kCoonsCubic = 23,
    kCatmullRomCubic = 24,
    kBezierCurve = 25,
    kRationalBezierCurve = 26,
    kCoonsCurve = 27,
    kFergusonCurve = 28,
    kCatmullRomCurve = 29,
    kBSplineCurve = 30,
    kNurbsCircle = 50,
    kNurbsBezier = 51,

    kSurfaceBezier = 1,
    kSurfaceRationalBezier = 5,
    kSurfaceCoons = 10,
    kSurfaceFerguson = 15,
};

// Curves of kinds 25 to 30 take at most this many points.
constexpr int32_t kMaxCurvePoints = 50;

inline bool isNurbs(int32_t kind) { return kind >= kNurbsCircle; }

struct KindInfo {
    int32_t kind;
    const char* keyword;    // PVF keyword
    const char* typeLabel;  // "Typ :" field; empty when the kind has none
};

// nullptr when the kind is not one of the list's kinds.
const KindInfo* findKind2D(int32_t kind);
const KindInfo* findKind3D(int32_t kind);
// The kind a file keyword names, case-sensitive, byte for byte; nullptr for any other word.
// SPLINE_NURBS gives the circle preset's kind, whichever preset wrote it.
const KindInfo* findKindByKeyword(std::string_view keyword, bool in3D);
// Every NURBS kind (50 and above) reads as SPLINE_NURBS.
const char* typeLabel(int32_t kind, bool in3D);
