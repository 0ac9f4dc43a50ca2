#include "app/ObjectKind.h"

#include <cstddef>

namespace {

const KindInfo kKinds2D[] = {
    {kLineBresenham, "LINE_BRESENHAM", "Line Bresenham"},
    {kLineDDA, "LINE_DDA", "Line Opt. DDA"},
    {kLineTwoStep, "LINE_ENHANCED_DDA", "Line Two-Step"},
    {kLineLine2Step, "LINE_LINE2STEP", ""},
    {kCircleBresenham, "CIRCLE_BRESENHAM", "Circle Bresenham"},
    {kCircleRotation, "CIRCLE_LINE_ROTATION", "Circle Rotation"},
    {kCircleParametric, "CIRCLE_PARAMETRIC", "Circle Parametric"},
    {kEllipseBresenham, "ELIPSE_BRESENHAM", "Elipse Bresenham"},
    {kEllipseParametric, "ELIPSE_PARAMETRIC", "Elipse Parametric"},
    {kEllipseGeneral, "ELIPSE_FREE", "Elipse Obecna"},
    {kBezierCubicIterative, "SPLINE_BEZIER_CUBIC_ITERATIVE", "Bezier cubic iter"},
    {kBezierCubicRecursive, "SPLINE_BEZIER_CUBIC_RECURSIVE", "Bezier cubic recur"},
    {kFergusonCubic, "SPLINE_FERGUSON_CUBIC", "Ferguson cubic"},
    {kCoonsCubic, "SPLINE_COONS_CUBIC", "Coons cubic"},
    {kCatmullRomCubic, "SPLINE_CATMULROM_CUBIC", "Catmul-Rom cubic"},
    {kBezierCurve, "SPLINE_BEZIER", "Bezier spline"},
    {kRationalBezierCurve, "SPLINE_BEZIER_RACIONAL", "Racional Bezier spline"},
    {kCoonsCurve, "SPLINE_COONS", "Coons spline"},
    {kFergusonCurve, "SPLINE_FERGUSON", "Ferguson spline"},
    {kCatmullRomCurve, "SPLINE_CATMULROM", "Catmul-Rom spline"},
    {kBSplineCurve, "SPLINE_BSPLINE", "B-Spline"},
    {kNurbsCircle, "SPLINE_NURBS", "NURBS"},
    {kNurbsBezier, "SPLINE_NURBS", "NURBS"},
};

const KindInfo kKinds3D[] = {
    {kSurfaceBezier, "SURFACE_BEZIER_BICUBIC", "Bezier surface"},
    {kSurfaceRationalBezier, "SURFACE_BEZIER_RACIONAL_BICUBIC", "Racional Bezier surface"},
    {kSurfaceCoons, "SURFACE_COONS_BICUBIC", "Coons surface"},
    {kSurfaceFerguson, "SURFACE_FERGUSON_BICUBIC", "Ferguson surface"},
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
        if (keyword == info.keyword) return &info;  // the first NURBS row is kind 50
    }
    return nullptr;
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
