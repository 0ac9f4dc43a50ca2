#include "ui/ObjectCreators.h"

#include <vector>

#include "model/ObjectKind.h"

namespace {

// What a menu value makes: the kind and the parameters the object starts with.
struct Preset {
    int value;
    int32_t kind;
    int32_t sizeA = 0;
    int32_t sizeB = 0;
    int32_t order = 0;
    std::vector<float> weights = {};
    std::vector<float> knots = {};
};

// An empty object with room for the kind's points; a NURBS has one point per weight.
template <std::size_t N>
std::optional<SceneObject> made(const Preset (&menu)[N], int value) {
    for (const Preset& p : menu) {
        if (p.value != value) continue;
        SceneObject o;
        o.kind = p.kind;
        o.sizeA = p.sizeA;
        o.sizeB = p.sizeB;
        o.order = p.order;
        o.weights = p.weights;
        o.knots = p.knots;
        o.knotCount = static_cast<int32_t>(p.knots.size());
        const int32_t capacity = findKind2D(p.kind)->capacity;
        if (capacity == 0) o.requiredPoints = static_cast<int32_t>(p.weights.size());
        o.points.resize(static_cast<std::size_t>(capacity > 0 ? capacity : o.requiredPoints));
        return o;
    }
    return std::nullopt;  // a separator
}

}  // namespace

void ObjectCreators::onLineMenu(int value) {
    static const Preset lines[] = {{1, kLineBresenham}, {2, kLineDDA}, {3, kLineTwoStep}};
    create(made(lines, value));
}

void ObjectCreators::onCircleMenu(int value) {
    static const Preset circles[] = {
        {1, kCircleBresenham, 50}, {2, kCircleRotation, 50}, {3, kCircleParametric, 50}};
    create(made(circles, value));
}

void ObjectCreators::onEllipseMenu(int value) {
    static const Preset ellipses[] = {{1, kEllipseBresenham, 50, 100},
                                      {2, kEllipseParametric, 50, 100},
                                      {3, kEllipseGeneral, 50, 100}};
    create(made(ellipses, value));
}

void ObjectCreators::onCurveMenu(int value) {
    static const Preset curves[] = {
        {1, kBezierCubicIterative}, {2, kBezierCubicRecursive}, {3, kCoonsCubic},
        {4, kCatmullRomCubic},      {5, kFergusonCubic},        {6, kBezierCurve},
        {7, kCoonsCurve},           {8, kFergusonCurve},        {9, kCatmullRomCurve}};
    create(made(curves, value));
}

void ObjectCreators::onRationalCubicMenu(int value) {
    static const Preset rational[] = {{1, kRationalBezierCurve, 0, 0, 0, {1, 1, 1, 1}},
                                      {2, kRationalBezierCurve, 0, 0, 0, {1, 5, 5, 1}},
                                      {3, kRationalBezierCurve, 0, 0, 0, {1, 10, 10, 1}},
                                      {4, kRationalBezierCurve, 0, 0, 0, {1, 1, 10, 1}},
                                      {5, kRationalBezierCurve, 0, 0, 0, {1, 10, 1, 1}}};
    create(made(rational, value));
}

// An unfinished object made before stays in the list, inactive.
void ObjectCreators::onBSplineMenu(int value) {
    static const Preset bsplines[] = {{1, kBSplineCurve, 0, 0, 1},
                                      {2, kBSplineCurve, 0, 0, 2},
                                      {3, kBSplineCurve, 0, 0, 3},
                                      {4, kBSplineCurve, 0, 0, 4},
                                      {5, kBSplineCurve, 0, 0, 5}};
    create(made(bsplines, value), false);
}

// The circle's knot vector starts with three zeros, though its menu entry shows four.
void ObjectCreators::onNurbsMenu(int value) {
    static const Preset nurbs[] = {
        {1,
         kNurbsCircle,
         0,
         0,
         0,
         {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1},
         {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1}},
        {2, kNurbsBezier, 0, 0, 0, {1, 1, 1, 1}, {0, 0, 0, 0, 1, 1, 1, 1}}};
    create(made(nurbs, value));
}

void ObjectCreators::create(std::optional<SceneObject> object, bool finishFirst) {
    if (finishFirst) placement.finishPlacing();
    if (object) {
        fields.offerObject(*object, -1);
        placement.start(std::move(*object));
    }
    fields.updateTypeLabel(false);
    fields.sync();
}
