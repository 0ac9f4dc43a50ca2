#include "model/ObjectKind.h"

#include <cstddef>

namespace {

using F = KindFamily;
using A = KindAid;

const KindInfo kKinds2D[] = {
    {kLineBresenham, F::Line, 2, 2, 2, false, false, A::None,
     "Usecka Bresenham algoritmus : ", "LINE_BRESENHAM", "Line Bresenham"},
    {kLineDDA, F::Line, 2, 2, 2, false, false, A::None,
     "Usecka DDA algoritmus       : ", "LINE_DDA", "Line Opt. DDA"},
    {kLineTwoStep, F::Line, 2, 2, 2, false, false, A::None,
     "Usecka Two Step algoritmus  : ", "LINE_ENHANCED_DDA", "Line Two-Step"},
    {kLineLine2Step, F::Line, 2, 2, 2, false, false, A::None, nullptr, "LINE_LINE2STEP", ""},
    {kCircleBresenham, F::Circle, 2, 2, 2, false, false, A::None,
     "Kruznice Bresenham algorit. : ", "CIRCLE_BRESENHAM", "Circle Bresenham"},
    {kCircleRotation, F::Circle, 2, 2, 2, false, false, A::None,
     "Kruznice Rotace usecek      : ", "CIRCLE_LINE_ROTATION", "Circle Rotation"},
    {kCircleParametric, F::Circle, 2, 2, 2, false, false, A::None,
     "Kruznice Parametricky tvar  : ", "CIRCLE_PARAMETRIC", "Circle Parametric"},
    {kEllipseBresenham, F::Ellipse, 2, 2, 2, false, false, A::None,
     "Elipsa Bresenham algoritmus : ", "ELIPSE_BRESENHAM", "Elipse Bresenham"},
    {kEllipseParametric, F::Ellipse, 2, 2, 2, false, false, A::None,
     "Elipsa Parametricky tvar    : ", "ELIPSE_PARAMETRIC", "Elipse Parametric"},
    {kEllipseGeneral, F::GeneralEllipse, 3, 3, 3, false, false, A::None,
     "Elipsa Obecna               : ", "ELIPSE_FREE", "Elipse Obecna"},
    {kBezierCubicIterative, F::Cubic, 4, 4, 4, false, false, A::Polygon,
     "Bezierova kubika iterativne : ", "SPLINE_BEZIER_CUBIC_ITERATIVE", "Bezier cubic iter"},
    {kBezierCubicRecursive, F::Cubic, 4, 4, 4, false, false, A::Polygon,
     "Bezierova kubika rekursivne : ", "SPLINE_BEZIER_CUBIC_RECURSIVE", "Bezier cubic recur"},
    {kFergusonCubic, F::Cubic, 4, 4, 4, false, false, A::TangentLines,
     "Fergusonova kubika          : ", "SPLINE_FERGUSON_CUBIC", "Ferguson cubic"},
    {kCoonsCubic, F::Cubic, 4, 4, 4, false, false, A::Polygon,
     "Coonsova kubika             : ", "SPLINE_COONS_CUBIC", "Coons cubic"},
    {kCatmullRomCubic, F::Cubic, 4, 4, 4, false, false, A::Polygon,
     "Catmul-Rom kubika           : ", "SPLINE_CATMULROM_CUBIC", "Catmul-Rom cubic"},
    {kBezierCurve, F::Curve, kMaxCurvePoints, 2, 2, false, true, A::Polygon,
     "Bezierova krivka            : ", "SPLINE_BEZIER", "Bezier spline"},
    {kRationalBezierCurve, F::Curve, 4, 2, 2, true, false, A::Polygon,
     "Racionalni Bezierova krivka : ", "SPLINE_BEZIER_RACIONAL", "Racional Bezier spline"},
    // The Coons chain shows its arrow from two points on but needs four to draw.
    {kCoonsCurve, F::Curve, kMaxCurvePoints, 4, 2, false, true, A::Polygon,
     "Coonsova BSpline krivka     : ", "SPLINE_COONS", "Coons spline"},
    {kFergusonCurve, F::Curve, kMaxCurvePoints, 4, 4, false, true, A::TangentPairs,
     "Fergusonova krivka          : ", "SPLINE_FERGUSON", "Ferguson spline"},
    {kCatmullRomCurve, F::Curve, kMaxCurvePoints, 4, 4, false, true, A::Polygon,
     "Catmul-Rom krivka           : ", "SPLINE_CATMULROM", "Catmul-Rom spline"},
    {kBSplineCurve, F::BSpline, kMaxCurvePoints, 4, 4, false, true, A::Polygon,
     "BSpline obecna krivka       : ", "SPLINE_BSPLINE", "B-Spline"},
    {kNurbsCircle, F::Nurbs, 0, 0, 2, true, false, A::Polygon,
     "NURBS                       : ", "SPLINE_NURBS", "NURBS"},
};

const KindInfo kKinds3D[] = {
    {kSurfaceBezier, F::Surface, kSurfacePoints, kSurfacePoints, 0, false, false, A::None,
     "Bezierova plocha\t: ", "SURFACE_BEZIER_BICUBIC", "Bezier surface"},
    {kSurfaceRationalBezier, F::Surface, kSurfacePoints, kSurfacePoints, 0, true, false, A::None,
     "Bezierova rac plocha\t: ", "SURFACE_BEZIER_RACIONAL_BICUBIC", "Racional Bezier surface"},
    {kSurfaceCoons, F::Surface, kSurfacePoints, kSurfacePoints, 0, false, false, A::None,
     "Coonsova plocha\t: ", "SURFACE_COONS_BICUBIC", "Coons surface"},
    {kSurfaceFerguson, F::Surface, kSurfacePoints, kSurfacePoints, 0, false, false, A::None,
     "Fergusonova plocha\t: ", "SURFACE_FERGUSON_BICUBIC", "Ferguson surface"},
};

template <std::size_t N>
const KindInfo* find(const KindInfo (&table)[N], int32_t kind) {
    for (const KindInfo& info : table) {
        if (info.kind == kind) return &info;
    }
    return nullptr;
}

template <std::size_t N>
const KindInfo* findKeyword(const KindInfo (&table)[N], std::string_view keyword) {
    for (const KindInfo& info : table) {
        if (keyword == info.keyword) return &info;
    }
    return nullptr;
}

// A kind of a fixed point count wants exactly that many; the open curves at least.
bool hasPoints(const KindInfo& info, std::size_t placed, int32_t wanted) {
    const auto n = static_cast<std::size_t>(wanted);
    const bool fixed = info.capacity > 0 && info.capacity == info.minPoints;
    return fixed ? placed == n : placed >= n;
}

}  // namespace

const KindInfo* findKindByKeyword(std::string_view keyword, bool in3D) {
    return in3D ? findKeyword(kKinds3D, keyword) : findKeyword(kKinds2D, keyword);
}

const KindInfo* findKind2D(int32_t kind) {
    return find(kKinds2D, isNurbs(kind) ? kNurbsCircle : kind);
}

const KindInfo* findKind3D(int32_t kind) { return find(kKinds3D, kind); }

const char* typeLabel(int32_t kind, bool in3D) {
    const KindInfo* info = in3D ? findKind3D(kind) : findKind2D(kind);
    return info ? info->typeLabel : "";
}

bool isWeighted2D(int32_t kind) {
    const KindInfo* info = findKind2D(kind);
    return info != nullptr && info->weighted;
}

bool isOpen2D(int32_t kind) {
    const KindInfo* info = findKind2D(kind);
    return info != nullptr && info->open;
}

bool isComplete(const KindInfo& info, const SceneObject& o) {
    if (info.family == KindFamily::Nurbs) {
        return o.pointCount == o.requiredPoints && holdsItsPoints(o, true) && holdsItsKnots(o);
    }
    const std::size_t placed = placedPoints(o);
    if (info.weighted && o.weights.size() < placed) return false;
    return hasPoints(info, placed, info.minPoints);
}

bool showsArrow(const KindInfo& info, const SceneObject& o) {
    return hasPoints(info, placedPoints(o), info.arrowPoints);
}
