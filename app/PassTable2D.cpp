// Which algorithm draws each 2D kind, when, with which aid and under which row label.
#include "app/Application.h"
#include "app/ObjectKind.h"
#include "app/ScenePass2D.h"

namespace {

using Aid = PassEntry2D::Aid;

const Point3& point(const SceneObject& o, std::size_t i) { return o.points[i]; }

// When an object counts as complete, and when the active one gets its arrow.
bool hasTwo(const SceneObject& o) { return placedPoints(o) == 2; }
bool hasThree(const SceneObject& o) { return placedPoints(o) == 3; }
bool hasFour(const SceneObject& o) { return placedPoints(o) == 4; }
bool twoOrMore(const SceneObject& o) { return placedPoints(o) >= 2; }
bool fourOrMore(const SceneObject& o) { return placedPoints(o) >= 4; }
bool weightedTwoOrMore(const SceneObject& o) {
    return twoOrMore(o) && o.weights.size() >= placedPoints(o);
}
bool nurbsComplete(const SceneObject& o) {
    return o.pointCount == o.requiredPoints && holdsItsPoints(o, true) && holdsItsKnots(o);
}

RasterAlgorithm& lines(Application& app) { return *app.lineAlgo; }
RasterAlgorithm& circles(Application& app) { return *app.circleAlgo; }
RasterAlgorithm& ellipses(Application& app) { return *app.ellipseAlgo; }
RasterAlgorithm& curves(Application& app) { return *app.curveAlgo; }

template <double (LineAlgorithms::*line)(int, int, int, int)>
double drawLine(Application& app, const SceneObject& o) {
    const Point3& p0 = point(o, 0);
    const Point3& p1 = point(o, 1);
    return (app.lineAlgo.get()->*line)(pixelCoordinate(p0.x), pixelCoordinate(p0.y),
                                       pixelCoordinate(p1.x), pixelCoordinate(p1.y));
}

template <double (CircleAlgorithms::*circle)(int, int, int)>
double drawCircle(Application& app, const SceneObject& o) {
    const Point3& centre = point(o, 0);
    return (app.circleAlgo.get()->*circle)(pixelCoordinate(centre.x), pixelCoordinate(centre.y),
                                           o.sizeA);
}

template <double (EllipseAlgorithms::*ellipse)(int, int, int, int)>
double drawEllipse(Application& app, const SceneObject& o) {
    const Point3& centre = point(o, 0);
    return (app.ellipseAlgo.get()->*ellipse)(pixelCoordinate(centre.x), pixelCoordinate(centre.y),
                                             o.sizeA, o.sizeB);
}

double drawGeneralEllipse(Application& app, const SceneObject& o) {
    const Point3& centre = point(o, 0);
    return app.ellipseAlgo->ellipseGeneral(pixelCoordinate(centre.x), pixelCoordinate(centre.y),
                                           o.sizeA, o.sizeB, o.angle);
}

using CubicOp = double (CurveAlgorithms::*)(const Point3&, const Point3&, const Point3&,
                                            const Point3&);
template <CubicOp cubic>
double drawCubic(Application& app, const SceneObject& o) {
    return (app.curveAlgo.get()->*cubic)(point(o, 0), point(o, 1), point(o, 2), point(o, 3));
}

int placedCount(const SceneObject& o) { return static_cast<int>(placedPoints(o)); }

template <double (CurveAlgorithms::*spline)(const Point3*, int)>
double drawSpline(Application& app, const SceneObject& o) {
    return (app.curveAlgo.get()->*spline)(o.points.data(), placedCount(o));
}

double drawRationalBezier(Application& app, const SceneObject& o) {
    return app.curveAlgo->rationalBezierCurve(o.points.data(), placedCount(o), o.weights.data());
}

double drawBSpline(Application& app, const SceneObject& o) {
    return app.curveAlgo->bsplineCurve(o.points.data(), placedCount(o), o.order);
}

double drawNurbs(Application& app, const SceneObject& o) {
    return app.curveAlgo->nurbsCurve(o.points.data(), o.knots.data(), o.weights.data(),
                                     placedCount(o), o.knotCount);
}

const PassEntry2D kPassTable[] = {
    {kLineBresenham, "Usecka Bresenham algoritmus : ", Aid::None, hasTwo, hasTwo, lines,
     drawLine<&LineAlgorithms::lineBresenham>},
    {kLineDDA, "Usecka DDA algoritmus       : ", Aid::None, hasTwo, hasTwo, lines,
     drawLine<&LineAlgorithms::lineDDA>},
    {kLineTwoStep, "Usecka Two Step algoritmus  : ", Aid::None, hasTwo, hasTwo, lines,
     drawLine<&LineAlgorithms::lineTwoStep>},
    {kCircleBresenham, "Kruznice Bresenham algorit. : ", Aid::None, hasTwo, hasTwo, circles,
     drawCircle<&CircleAlgorithms::circleBresenham>},
    {kCircleRotation, "Kruznice Rotace usecek      : ", Aid::None, hasTwo, hasTwo, circles,
     drawCircle<&CircleAlgorithms::circleRotation>},
    {kCircleParametric, "Kruznice Parametricky tvar  : ", Aid::None, hasTwo, hasTwo, circles,
     drawCircle<&CircleAlgorithms::circleParametric>},
    {kEllipseBresenham, "Elipsa Bresenham algoritmus : ", Aid::None, hasTwo, hasTwo, ellipses,
     drawEllipse<&EllipseAlgorithms::ellipseBresenham>},
    {kEllipseParametric, "Elipsa Parametricky tvar    : ", Aid::None, hasTwo, hasTwo, ellipses,
     drawEllipse<&EllipseAlgorithms::ellipseParametric>},
    {kEllipseGeneral, "Elipsa Obecna               : ", Aid::None, hasThree, hasThree, ellipses,
     drawGeneralEllipse},
    {kBezierCubicIterative, "Bezierova kubika iterativne : ", Aid::Polygon, hasFour, hasFour,
     curves, drawCubic<&CurveAlgorithms::bezierCubicIterative>},
    {kBezierCubicRecursive, "Bezierova kubika rekursivne : ", Aid::Polygon, hasFour, hasFour,
     curves, drawCubic<&CurveAlgorithms::bezierCubicRecursive>},
    {kFergusonCubic, "Fergusonova kubika          : ", Aid::TangentLines, hasFour, hasFour, curves,
     drawCubic<&CurveAlgorithms::fergusonCubic>},
    {kCoonsCubic, "Coonsova kubika             : ", Aid::Polygon, hasFour, hasFour, curves,
     drawCubic<&CurveAlgorithms::coonsCubic>},
    {kCatmullRomCubic, "Catmul-Rom kubika           : ", Aid::Polygon, hasFour, hasFour, curves,
     drawCubic<&CurveAlgorithms::catmullRomCubic>},
    {kBezierCurve, "Bezierova krivka            : ", Aid::Polygon, twoOrMore, twoOrMore, curves,
     drawSpline<&CurveAlgorithms::bezierCurve>},
    {kRationalBezierCurve, "Racionalni Bezierova krivka : ", Aid::Polygon, weightedTwoOrMore,
     twoOrMore, curves, drawRationalBezier},
    // The Coons chain shows its arrow from two points on but needs four to draw.
    {kCoonsCurve, "Coonsova BSpline krivka     : ", Aid::Polygon, fourOrMore, twoOrMore, curves,
     drawSpline<&CurveAlgorithms::coonsCurve>},
    {kFergusonCurve, "Fergusonova krivka          : ", Aid::TangentPairs, fourOrMore, fourOrMore,
     curves, drawSpline<&CurveAlgorithms::fergusonCurve>},
    {kCatmullRomCurve, "Catmul-Rom krivka           : ", Aid::Polygon, fourOrMore, fourOrMore,
     curves, drawSpline<&CurveAlgorithms::catmullRomCurve>},
    {kBSplineCurve, "BSpline obecna krivka       : ", Aid::Polygon, fourOrMore, fourOrMore, curves,
     drawBSpline},
    {kNurbsCircle, "NURBS                       : ", Aid::Polygon, nurbsComplete, twoOrMore, curves,
     drawNurbs},
};

}  // namespace

// Every NURBS kind from 50 on is drawn alike.
const PassEntry2D* findPassEntry2D(int32_t kind) {
    const int32_t row = isNurbs(kind) ? kNurbsCircle : kind;
    for (const PassEntry2D& entry : kPassTable) {
        if (entry.kind == row) return &entry;
    }
    return nullptr;
}
