#include <gtest/gtest.h>

#include <functional>

#include "Support.h"

namespace {

const Point3 kPoints[] = {
    {100.7f, 50.9f, 0}, {130.2f, 90.6f, 0}, {170.5f, 75.1f, 0}, {190.9f, 20.3f, 0}};
const float kWeights[] = {1, 3, 0.5f, 1};
const float kKnots[] = {0, 0, 0, 0, 1, 1, 1, 1};

using Direct = std::function<void(RasterTarget&)>;

// The algorithm called directly, in the object colour the fixture passes, with 101 samples:
// the 100 segments the program starts with, plus one.
template <class Algorithms, class... Params, class... Args>
Direct direct(double (Algorithms::*op)(Params...), Args... args) {
    return [=](RasterTarget& target) {
        if constexpr (std::is_same_v<Algorithms, CurveAlgorithms>) {
            (CurveAlgorithms(target, {1, 0, 0}, 101).*op)(args...);
        } else {
            (Algorithms(target, {1, 0, 0}).*op)(args...);
        }
    };
}

std::vector<std::array<float, 4>> colours(const RecordingTarget& target) {
    std::vector<std::array<float, 4>> out;
    for (const auto& [at, r, g, b] : target.colors)
        out.push_back({float(at), r, g, b});
    return out;
}

// Each kind, complete and active, is drawn exactly as its algorithm draws from the truncated
// P0 and the object's sizes, or from its points, and listed under its label.
TEST(ScenePass2D, EachKindDrawsWithItsAlgorithmAndListsItsRow) {
    using C = CurveAlgorithms;
    const Point3* p = kPoints;
    const std::tuple<int32_t, int, const char*, Direct> cases[] = {
        {kLineBresenham, 2, "Usecka Bresenham algoritmus",
         direct(&LineAlgorithms::lineBresenham, 100, 50, 130, 90)},
        {kLineDDA, 2, "Usecka DDA algoritmus      ",
         direct(&LineAlgorithms::lineDDA, 100, 50, 130, 90)},
        {kLineTwoStep, 2, "Usecka Two Step algoritmus ",
         direct(&LineAlgorithms::lineTwoStep, 100, 50, 130, 90)},
        {kCircleBresenham, 2, "Kruznice Bresenham algorit.",
         direct(&CircleAlgorithms::circleBresenham, 100, 50, 40)},
        {kCircleRotation, 2, "Kruznice Rotace usecek     ",
         direct(&CircleAlgorithms::circleRotation, 100, 50, 40)},
        {kCircleParametric, 2, "Kruznice Parametricky tvar ",
         direct(&CircleAlgorithms::circleParametric, 100, 50, 40)},
        {kEllipseBresenham, 2, "Elipsa Bresenham algoritmus",
         direct(&EllipseAlgorithms::ellipseBresenham, 100, 50, 40, 25)},
        {kEllipseParametric, 2, "Elipsa Parametricky tvar   ",
         direct(&EllipseAlgorithms::ellipseParametric, 100, 50, 40, 25)},
        {kEllipseGeneral, 3, "Elipsa Obecna              ",
         direct(&EllipseAlgorithms::ellipseGeneral, 100, 50, 40, 25, 30)},
        {kBezierCubicIterative, 4, "Bezierova kubika iterativne",
         direct(&C::bezierCubicIterative, p[0], p[1], p[2], p[3])},
        {kBezierCubicRecursive, 4, "Bezierova kubika rekursivne",
         direct(&C::bezierCubicRecursive, p[0], p[1], p[2], p[3])},
        {kFergusonCubic, 4, "Fergusonova kubika         ",
         direct(&C::fergusonCubic, p[0], p[1], p[2], p[3])},
        {kCoonsCubic, 4, "Coonsova kubika            ",
         direct(&C::coonsCubic, p[0], p[1], p[2], p[3])},
        {kCatmullRomCubic, 4, "Catmul-Rom kubika          ",
         direct(&C::catmullRomCubic, p[0], p[1], p[2], p[3])},
        {kBezierCurve, 3, "Bezierova krivka           ", direct(&C::bezierCurve, p, 3)},
        {kRationalBezierCurve, 4, "Racionalni Bezierova krivka",
         direct(&C::rationalBezierCurve, p, 4, kWeights)},
        {kCoonsCurve, 4, "Coonsova BSpline krivka    ", direct(&C::coonsCurve, p, 4)},
        {kFergusonCurve, 4, "Fergusonova krivka         ", direct(&C::fergusonCurve, p, 4)},
        {kCatmullRomCurve, 4, "Catmul-Rom krivka          ", direct(&C::catmullRomCurve, p, 4)},
        {kBSplineCurve, 4, "BSpline obecna krivka      ", direct(&C::bsplineCurve, p, 4, 3)},
        {kNurbsBezier, 4, "NURBS                      ",
         direct(&C::nurbsCurve, p, kKnots, kWeights, 4, 8)},
    };
    for (const auto& [kind, count, label, draw] : cases) {
        AppFixture f;
        f.hideAids();
        SceneObject& o = f.add(kind, {kPoints, kPoints + count});
        o.sizeA = 40, o.sizeB = 25, o.angle = 30, o.order = 3, o.knotCount = 8,
        o.requiredPoints = 4;
        o.weights.assign(kWeights, kWeights + 4);
        o.knots.assign(kKnots, kKnots + 8);
        f.takeConsole();
        f.app.drawScene2D();
        const char* knots = kind == kBSplineCurve  ? "   U = [ ]"
                            : kind == kNurbsBezier ? "   U = [ 0 0 0 0 1 1 1 1 ]"
                                                   : "";
        EXPECT_EQ(f.rows(), std::string("-> ") + label + " : t" + knots + "\n");
        RecordingTarget expected;
        draw(expected);
        EXPECT_EQ(f.target.points, expected.points) << label;
        EXPECT_EQ(colours(f.target), colours(expected)) << label;
    }
}

// The prefix comes before the object is known to be complete: an incomplete one prints
// nothing more, so three blanks run into the next row. Arrays shorter than the counts claim
// keep an object undrawn.
TEST(ScenePass2D, PrefixWithoutRowForObjectsNotYetComplete) {
    const int32_t kUnknown = 40, kSeven = 7;
    const std::tuple<int32_t, int, bool, const char*> cases[] = {
        {kLineDDA, 1, false, "   "},    {kLineBresenham, 3, false, "   "},
        {kCoonsCurve, 1, true, ""},     {kCoonsCurve, 2, true, "-> "},
        {kBSplineCurve, 3, true, ""},   {kNurbsCircle, 1, true, ""},
        {kNurbsCircle, 6, true, "-> "}, {kNurbsCircle, 7, true, "-> "},
        {kLineLine2Step, 2, true, ""},  {kUnknown, 2, false, ""},
        {kSeven, 2, true, ""},
    };
    for (const auto& [kind, count, active, console] : cases) {
        AppFixture f;
        f.hideAids();
        SceneObject& o = f.add(kind, std::vector<Point3>(7, pt(5, 5)), active);
        o.pointCount = count;  // the NURBS claims a knot more than it holds
        o.requiredPoints = 7, o.knotCount = 11;
        o.weights.assign(7, 1.0f);
        o.knots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
        f.takeConsole();
        f.app.drawScene2D();
        EXPECT_EQ(f.takeConsole(), console) << kind << " with " << count;
        EXPECT_TRUE(f.target.points.empty()) << kind << " with " << count;
    }
}

TEST(ScenePass2D, KindsWithoutAnAlgorithmTakeNoTime) {
    AppFixture f;
    SceneObject unknown;
    unknown.kind = 40;
    EXPECT_EQ(drawKind2D(f.app.algorithms, unknown), 0.0);
}

// Rows in list order, the arrow on the active one; B-spline and NURBS rows add their knots,
// as many as the NURBS counts. A rational curve with fewer weights than points is not drawn.
TEST(ScenePass2D, RowsComeInListOrder) {
    AppFixture f;
    f.hideAids();
    f.add(kRationalBezierCurve, {kPoints, kPoints + 3}, false).weights = {1, 1};  // too few
    f.add(kBSplineCurve, {kPoints, kPoints + 4}, false).order = 2;
    SceneObject& nurbs = f.add(kNurbsCircle, {kPoints, kPoints + 4}, false);
    nurbs.weights = {1, 1, 1, 1};
    nurbs.knots = {0, 0, 0, 0.25f, 1, 1, 1, 9};
    nurbs.knotCount = 7, nurbs.requiredPoints = 4;
    f.add(kLineBresenham, {pt(0, 0), pt(5, 5)}, true);
    f.add(kLineDDA, {pt(0, 0), pt(5, 1)}, false);
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_EQ(f.rows(),
              "   Usecka DDA algoritmus       : t\n-> Usecka Bresenham algoritmus : t\n"
              "   NURBS                       : t   U = [ 0 0 0 0.25 1 1 1 ]\n"
              "   BSpline obecna krivka       : t   U = [ ]\n   ");
}

// The printed time is the algorithm's own, measured; lastTime takes it from the active
// object only.
TEST(ScenePass2D, ActiveObjectsTimeGoesToLastTime) {
    SlowTarget slow;
    AppFixture f(nullptr, &slow);
    f.hideAids();
    f.app.mirrors.lastTime = -7.0f;
    f.add(kLineBresenham, {pt(0, 0), pt(5, 5)}, false);
    f.app.drawScene2D();
    EXPECT_EQ(f.app.mirrors.lastTime, -7.0f);
    f.app.scene.objects2D.front().active = true;
    slow.record.clear();
    f.takeConsole();
    f.app.drawScene2D();
    const std::string row = f.takeConsole();
    ASSERT_EQ(row.rfind("-> Usecka Bresenham algoritmus : ", 0), 0u);
    const double printed = std::stod(row.substr(33));
    EXPECT_GE(printed, 0.99 * SlowTarget::kPause.count());
    EXPECT_NEAR(f.app.mirrors.lastTime, printed, printed * 1e-5);
}

// A curve is `segments` chords after the one-pixel chord at its start.
TEST(ScenePass2D, CurvesSampleSegmentsPlusOnePoints) {
    AppFixture f;
    f.hideAids();
    f.add(kBezierCurve, {pt(0.5f, 0.5f), pt(300.5f, 100.5f)});
    f.app.drawScene2D();
    EXPECT_EQ(chordsOf(f.target).size(), 101u);
}

std::set<Pixel> square(const std::vector<DrawCall>& calls, std::size_t first) {
    std::set<Pixel> out;
    for (std::size_t i = first; i < first + 4; ++i)
        out.insert(calls.at(i).pixels.begin(), calls.at(i).pixels.end());
    return out;
}

std::set<Pixel> square(int cx, int cy, int h) {
    std::set<Pixel> out;
    for (int d = -h; d <= h; ++d)
        out.insert({{cx + d, cy - h}, {cx + d, cy + h}, {cx - h, cy + d}, {cx + h, cy + d}});
    return out;
}

// Markers in the control colour around the active object's points, then the objects, then
// the active point framed by two black squares; inactive objects' points only when asked, in
// the inactive colour. Corners are computed in float, then truncated.
TEST(ScenePass2D, MarkersAndTheActivePointHighlight) {
    AppFixture f;
    f.add(kLineBresenham, {pt(300, 300), pt(310, 320)}, false);
    f.add(kLineDDA, {pt(10.6f, 50.2f)}, false).pointCount = 1000;  // only one point is stored
    f.add(kLineDDA, {pt(100.6f, 50.2f), pt(200, 80)});
    f.app.editing.activePoint = 1;
    f.app.settings2D.showInactivePoints = 1;
    f.app.colors.inactiveColor = {0.5f, 0.25f, 0.0f};
    f.app.drawScene2D();
    const auto calls = drawCalls(f.target);
    ASSERT_EQ(calls.size(), 12u + 8u + 2u + 12u);
    const std::tuple<std::size_t, std::set<Pixel>, Rgb> squares[] = {
        {0, square(10, 50, 5), {0.5f, 0.25f, 0}},   {4, square(300, 300, 5), {0.5f, 0.25f, 0}},
        {8, square(310, 320, 5), {0.5f, 0.25f, 0}}, {12, square(100, 50, 5), {0, 0, 1}},
        {16, square(200, 80, 5), {0, 0, 1}},        {22, square(200, 80, 6), {0, 0, 0}},
        {26, square(200, 80, 4), {0, 0, 0}},        {30, square(200, 80, 5), {1, 1, 0}}};
    for (const auto& [first, pixels, colour] : squares) {
        EXPECT_EQ(square(calls, first), pixels) << first;
        EXPECT_EQ(std::vector<float>({calls[first].r, calls[first].g, calls[first].b}),
                  std::vector<float>({colour.r, colour.g, colour.b}))
            << first;
    }
    EXPECT_EQ(calls[20].pixels.front(), Pixel(100, 50));  // the DDA line, in the object colour
    EXPECT_EQ(calls[20].g + calls[20].b, 0.0f);
    // No highlight without an active point, nor with the markers off; the first point has one.
    for (const auto& [activePoint, markers, count] :
         {std::tuple{-1, 1, 22u}, {0, 0, 14u}, {0, 1, 34u}}) {
        f.target.clear();
        f.app.editing.activePoint = activePoint;
        f.app.settings2D.showControlPoints = markers;
        f.app.drawScene2D();
        EXPECT_EQ(drawCalls(f.target).size(), count) << activePoint << " " << markers;
    }
}

// The active curve shows its control polygon in the polygon colour; the Ferguson forms show
// their tangents instead: P0-P1 and P2-P3, or every (point, tangent end) pair.
TEST(ScenePass2D, ControlPolygonsAndTangents) {
    const std::tuple<int32_t, int, Chords> cases[] = {
        {kBezierCubicIterative, 4, polyline({{100, 50}, {130, 90}, {170, 75}, {190, 20}})},
        {kFergusonCubic, 4, {{{100, 50}, {130, 90}}, {{170, 75}, {190, 20}}}},
        {kFergusonCubic, 2, {{{100, 50}, {130, 90}}}},
        {kFergusonCurve, 3, {{{100, 50}, {130, 90}}}},
        {kFergusonCurve, 4, {{{100, 50}, {130, 90}}, {{170, 75}, {190, 20}}}}};
    for (const auto& [kind, count, aid] : cases) {
        AppFixture f;
        f.app.settings2D.showControlPoints = 0;
        f.add(kind, {kPoints, kPoints + count});
        f.app.drawScene2D();
        const auto calls = drawCalls(f.target);
        ASSERT_GE(calls.size(), aid.size());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i].b, i < aid.size() ? 1.0f : 0.0f) << kind << ", call " << i;
            if (i < aid.size()) {
                EXPECT_EQ(Chord(calls[i].pixels.front(), calls[i].pixels.back()), aid[i]);
            }
        }
        f.target.clear();
        f.app.scene.objects2D.front().active = false;  // inactive curves show no aid
        f.app.drawScene2D();
        for (const DrawCall& call : drawCalls(f.target))
            EXPECT_EQ(call.b, 0.0f) << kind;
    }
}

}  // namespace
