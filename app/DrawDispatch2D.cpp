// Which operation of which algorithm object draws each 2D kind, with the arguments its family
// takes from the object.
#include "app/Algorithms.h"
#include "model/ObjectKind.h"

namespace {

// Float coordinates become pixels by truncation toward zero, never by rounding.
int px(float v) { return static_cast<int>(v); }

using LineOp = double (LineAlgorithms::*)(int, int, int, int);
using CircleOp = double (CircleAlgorithms::*)(int, int, int);
using EllipseOp = double (EllipseAlgorithms::*)(int, int, int, int);
using CubicOp = double (CurveAlgorithms::*)(const Point3&, const Point3&, const Point3&,
                                            const Point3&);
using CurveOp = double (CurveAlgorithms::*)(const Point3*, int);

LineOp lineOp(int32_t kind) {
    switch (kind) {
        case kLineBresenham:
            return &LineAlgorithms::lineBresenham;
        case kLineDDA:
            return &LineAlgorithms::lineDDA;
        default:
            return &LineAlgorithms::lineTwoStep;
    }
}

CircleOp circleOp(int32_t kind) {
    switch (kind) {
        case kCircleBresenham:
            return &CircleAlgorithms::circleBresenham;
        case kCircleRotation:
            return &CircleAlgorithms::circleRotation;
        default:
            return &CircleAlgorithms::circleParametric;
    }
}

EllipseOp ellipseOp(int32_t kind) {
    return kind == kEllipseBresenham ? &EllipseAlgorithms::ellipseBresenham
                                     : &EllipseAlgorithms::ellipseParametric;
}

CubicOp cubicOp(int32_t kind) {
    switch (kind) {
        case kBezierCubicIterative:
            return &CurveAlgorithms::bezierCubicIterative;
        case kBezierCubicRecursive:
            return &CurveAlgorithms::bezierCubicRecursive;
        case kFergusonCubic:
            return &CurveAlgorithms::fergusonCubic;
        case kCoonsCubic:
            return &CurveAlgorithms::coonsCubic;
        default:
            return &CurveAlgorithms::catmullRomCubic;
    }
}

CurveOp curveOp(int32_t kind) {
    switch (kind) {
        case kBezierCurve:
            return &CurveAlgorithms::bezierCurve;
        case kCoonsCurve:
            return &CurveAlgorithms::coonsCurve;
        case kFergusonCurve:
            return &CurveAlgorithms::fergusonCurve;
        default:
            return &CurveAlgorithms::catmullRomCurve;
    }
}

double drawCurve(CurveAlgorithms& curves, const SceneObject& o) {
    const Point3* p = o.points.data();
    const int n = static_cast<int>(placedPoints(o));
    switch (o.kind) {
        case kRationalBezierCurve:
            return curves.rationalBezierCurve(p, n, o.weights.data());
        case kBSplineCurve:
            return curves.bsplineCurve(p, n, o.order);
        default:
            if (isNurbs(o.kind)) {
                return curves.nurbsCurve(p, o.knots.data(), o.weights.data(), n, o.knotCount);
            }
            return (curves.*curveOp(o.kind))(p, n);
    }
}

}  // namespace

double drawKind2D(Algorithms& a, const SceneObject& o) {
    const KindInfo* info = findKind2D(o.kind);
    if (info == nullptr || info->rowLabel == nullptr) return 0.0;
    const std::vector<Point3>& p = o.points;
    switch (info->family) {
        case KindFamily::Line:
            return (a.lineAlgo.*lineOp(o.kind))(px(p[0].x), px(p[0].y), px(p[1].x), px(p[1].y));
        case KindFamily::Circle:
            return (a.circleAlgo.*circleOp(o.kind))(px(p[0].x), px(p[0].y), o.sizeA);
        case KindFamily::Ellipse:
            return (a.ellipseAlgo.*ellipseOp(o.kind))(px(p[0].x), px(p[0].y), o.sizeA, o.sizeB);
        case KindFamily::GeneralEllipse:
            return a.ellipseAlgo.ellipseGeneral(px(p[0].x), px(p[0].y), o.sizeA, o.sizeB, o.angle);
        case KindFamily::Cubic:
            return (a.curveAlgo.*cubicOp(o.kind))(p[0], p[1], p[2], p[3]);
        case KindFamily::Curve:
        case KindFamily::BSpline:
        case KindFamily::Nurbs:
            return drawCurve(a.curveAlgo, o);
        case KindFamily::Surface:
            break;
    }
    return 0.0;
}

RasterAlgorithm* familyOf(Algorithms& a, const SceneObject& o) {
    const KindInfo* info = findKind2D(o.kind);
    if (info == nullptr || info->rowLabel == nullptr) return nullptr;
    switch (info->family) {
        case KindFamily::Line:
            return &a.lineAlgo;
        case KindFamily::Circle:
            return &a.circleAlgo;
        case KindFamily::Ellipse:
        case KindFamily::GeneralEllipse:
            return &a.ellipseAlgo;
        case KindFamily::Surface:
            return nullptr;
        default:
            return &a.curveAlgo;
    }
}

MeshTarget& discardedMesh() {
    static CountingMeshTarget counted;
    return counted;
}
