#pragma once

#include <cstdint>
#include <string_view>

#include "model/SceneObject.h"

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
constexpr int32_t kSurfacePoints = 16;
// The Cox-de Boor tree of order t has up to 2^t - 1 calls per point and sample; the menus
// give orders up to 5 and the knot fields allow 13. Beyond this a hand-edited file would
// stall every frame.
constexpr int32_t kMaxBSplineOrder = 13;

inline bool isNurbs(int32_t kind) { return kind >= kNurbsCircle; }

// Kinds of one family share their block in files, their arguments and their placing rules.
enum class KindFamily {
    Line,
    Circle,
    Ellipse,
    GeneralEllipse,
    Cubic,
    Curve,
    BSpline,
    Nurbs,
    Surface
};

// What the active object shows beside its control points.
enum class KindAid { None, Polygon, TangentLines, TangentPairs };

struct KindInfo {
    int32_t kind;
    KindFamily family;
    int32_t capacity;     // points a menu creator makes room for; 0: the preset decides
    int32_t minPoints;    // complete from this many placed points (NURBS: `requiredPoints`)
    int32_t arrowPoints;  // the active object's row gets "-> " from this many on
    bool weighted;        // one weight per point
    // The user decides where it ends: placing may stop from `minPoints` on, and Insert adds
    // points up to `kMaxCurvePoints`.
    bool open;
    KindAid aid;
    const char* rowLabel;   // speed listing; nullptr for a kind that is never drawn
    const char* keyword;    // PVF keyword
    const char* typeLabel;  // "Typ :" field; empty when the kind has none
};

// nullptr when the kind is not one of the list's kinds. Every NURBS kind reads as kind 50.
const KindInfo* findKind2D(int32_t kind);
const KindInfo* findKind3D(int32_t kind);
// The kind a file keyword names, case-sensitive, byte for byte; nullptr for any other word.
// SPLINE_NURBS gives the circle preset's kind, whichever preset wrote it.
const KindInfo* findKindByKeyword(std::string_view keyword, bool in3D);
const char* typeLabel(int32_t kind, bool in3D);
// The yes-or-no facts of a 2D kind; false for a number the 2D table lacks.
bool isWeighted2D(int32_t kind);
bool isOpen2D(int32_t kind);

// Counts beyond the stored points are never trusted: an object read from a damaged file
// must not make a pass read outside its arrays.
inline std::size_t placedPoints(const SceneObject& o) {
    const auto count = o.pointCount < 0 ? 0u : static_cast<std::size_t>(o.pointCount);
    return count < o.points.size() ? count : o.points.size();
}

// An object is drawn, listed and written only when complete.
bool isComplete(const KindInfo& info, const SceneObject& o);
bool showsArrow(const KindInfo& info, const SceneObject& o);
