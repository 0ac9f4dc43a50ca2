#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>

#include "Support.h"
#include "app/ObjectKind.h"
#include "app/SpeedListing.h"

namespace {

const Rgb kObjectColour{1, 0, 0};  // what the fixture passes for objectColor
const Point3 kPoints[] = {{100.7f, 50.9f, 0}, {130.2f, 90.6f, 0}, {170.5f, 75.1f, 0},
                          {190.9f, 20.3f, 0}};
const float kWeights[] = {1, 3, 0.5f, 1};
const float kKnots[] = {0, 0, 0, 0, 1, 1, 1, 1};

using Direct = std::function<void(RasterTarget&)>;

template <class Algorithms, class... Params, class... Args>
Direct direct(double (Algorithms::*op)(Params...), Args... args) {
    return [=](RasterTarget& target) {
        Algorithms algorithms(target, kObjectColour);
        (algorithms.*op)(args...);
    };
}

// 101 samples: the 100 segments the program starts with, plus one.
template <class... Params, class... Args>
Direct directCurve(double (CurveAlgorithms::*op)(Params...), Args... args) {
    return [=](RasterTarget& target) {
        CurveAlgorithms curves(target, kObjectColour, 101);
        (curves.*op)(args...);
    };
}

std::vector<std::array<float, 4>> colours(const RecordingTarget& target) {
    std::vector<std::array<float, 4>> out;
    for (const auto& c : target.colors)
        out.push_back({static_cast<float>(c.atPlot), c.r, c.g, c.b});
    return out;
}

// Each kind, complete and active, is drawn by its algorithm from the truncated P0 and the
// object's sizes, or from its points, and listed under its label.
TEST(ScenePass2D, EachKindDrawsWithItsAlgorithmAndListsItsRow) {
    const Point3* p = kPoints;
    const struct {
        int32_t kind;
        int points;
        const char* label;
        Direct draw;
    } cases[] = {
        {kLineBresenham, 2, "Usecka Bresenham algoritmus : ",
         direct(&LineAlgorithms::lineBresenham, 100, 50, 130, 90)},
        {kLineDDA, 2, "Usecka DDA algoritmus       : ",
         direct(&LineAlgorithms::lineDDA, 100, 50, 130, 90)},
        {kLineTwoStep, 2, "Usecka Two Step algoritmus  : ",
         direct(&LineAlgorithms::lineTwoStep, 100, 50, 130, 90)},
        {kCircleBresenham, 2, "Kruznice Bresenham algorit. : ",
         direct(&CircleAlgorithms::circleBresenham, 100, 50, 40)},
        {kCircleRotation, 2, "Kruznice Rotace usecek      : ",
         direct(&CircleAlgorithms::circleRotation, 100, 50, 40)},
        {kCircleParametric, 2, "Kruznice Parametricky tvar  : ",
         direct(&CircleAlgorithms::circleParametric, 100, 50, 40)},
        {kEllipseBresenham, 2, "Elipsa Bresenham algoritmus : ",
         direct(&EllipseAlgorithms::ellipseBresenham, 100, 50, 40, 25)},
        {kEllipseParametric, 2, "Elipsa Parametricky tvar    : ",
         direct(&EllipseAlgorithms::ellipseParametric, 100, 50, 40, 25)},
        {kEllipseGeneral, 3, "Elipsa Obecna               : ",
         direct(&EllipseAlgorithms::ellipseGeneral, 100, 50, 40, 25, 30)},
        {kBezierCubicIterative, 4, "Bezierova kubika iterativne : ",
         directCurve(&CurveAlgorithms::bezierCubicIterative, p[0], p[1], p[2], p[3])},
        {kBezierCubicRecursive, 4, "Bezierova kubika rekursivne : ",
         directCurve(&CurveAlgorithms::bezierCubicRecursive, p[0], p[1], p[2], p[3])},
        {kFergusonCubic, 4, "Fergusonova kubika          : ",
         directCurve(&CurveAlgorithms::fergusonCubic, p[0], p[1], p[2], p[3])},
        {kCoonsCubic, 4, "Coonsova kubika             : ",
         directCurve(&CurveAlgorithms::coonsCubic, p[0], p[1], p[2], p[3])},
        {kCatmullRomCubic, 4, "Catmul-Rom kubika           : ",
         directCurve(&CurveAlgorithms::catmullRomCubic, p[0], p[1], p[2], p[3])},
        {kBezierCurve, 3, "Bezierova krivka            : ",
         directCurve(&CurveAlgorithms::bezierCurve, p, 3)},
        {kRationalBezierCurve, 4, "Racionalni Bezierova krivka : ",
         directCurve(&CurveAlgorithms::rationalBezierCurve, p, 4, kWeights)},
        {kCoonsCurve, 4, "Coonsova BSpline krivka     : ",
         directCurve(&CurveAlgorithms::coonsCurve, p, 4)},
        {kFergusonCurve, 4, "Fergusonova krivka          : ",
         directCurve(&CurveAlgorithms::fergusonCurve, p, 4)},
        {kCatmullRomCurve, 4, "Catmul-Rom krivka           : ",
         directCurve(&CurveAlgorithms::catmullRomCurve, p, 4)},
        {kBSplineCurve, 4, "BSpline obecna krivka       : ",
         directCurve(&CurveAlgorithms::bsplineCurve, p, 4, 3)},
        {kNurbsBezier, 4, "NURBS                       : ",
         directCurve(&CurveAlgorithms::nurbsCurve, p, kKnots, kWeights, 4, 8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        AppFixture f;
        f.hideAids();
        SceneObject& o = f.add(c.kind, {kPoints, kPoints + c.points});
        o.sizeA = 40;
        o.sizeB = 25;
        o.angle = 30;
        o.order = 3;
        o.weights.assign(kWeights, kWeights + 4);
        o.knots.assign(kKnots, kKnots + 8);
        o.knotCount = 8;
        o.requiredPoints = 4;
        f.takeConsole();
        f.app.drawScene2D();
        const std::string tail = c.kind == kBSplineCurve   ? "   U = [ ]"
                                 : c.kind == kNurbsBezier ? "   U = [ 0 0 0 0 1 1 1 1 ]"
                                                          : "";
        EXPECT_EQ(f.rows(), std::string("-> ") + c.label + "t" + tail + "\n");
        RecordingTarget expected;
        c.draw(expected);
        EXPECT_EQ(f.target.points, expected.points);
        EXPECT_EQ(colours(f.target), colours(expected));
    }
}

// The prefix is printed before the object is known to be complete; an incomplete object
// then prints nothing more, so three blanks run into the next row.
TEST(ScenePass2D, PrefixWithoutRowForObjectsNotYetComplete) {
    const struct {
        int32_t kind;
        int placed;
        bool active;
        const char* console;
    } cases[] = {
        {kLineDDA, 1, false, "   "},       {kLineDDA, 1, true, ""},
        {kEllipseGeneral, 2, true, ""},    {kBezierCubicIterative, 3, true, ""},
        {kBezierCurve, 1, true, ""},       {kCoonsCurve, 1, true, ""},
        {kCoonsCurve, 2, true, "-> "},     {kCoonsCurve, 3, true, "-> "},
        {kCatmullRomCurve, 3, true, ""},   {kFergusonCurve, 3, true, ""},
        {kBSplineCurve, 3, true, ""},      {kNurbsCircle, 1, true, ""},
        {kNurbsCircle, 2, true, "-> "},    {kNurbsCircle, 6, true, "-> "},
        {kLineLine2Step, 2, true, ""},     {40, 2, false, ""},
        {7, 2, true, ""},
    };
    for (const auto& c : cases) {
        AppFixture f;
        f.hideAids();
        SceneObject& o = f.add(c.kind, std::vector<Point3>(7, pt(5, 5)), c.active);
        o.pointCount = c.placed;
        o.requiredPoints = 7;
        o.weights.assign(7, 1.0f);
        o.knots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
        o.knotCount = 10;
        f.takeConsole();
        f.app.drawScene2D();
        EXPECT_EQ(f.takeConsole(), c.console) << c.kind << " with " << c.placed;
        EXPECT_TRUE(f.target.points.empty()) << c.kind << " with " << c.placed;
    }
}

// Counts beyond the stored arrays are never trusted: such objects are not drawn and only
// their stored points are marked.
TEST(ScenePass2D, CountsBeyondTheStoredArraysAreNotTrusted) {
    AppFixture f;
    f.app.showInactivePoints = 1;
    f.add(kRationalBezierCurve, {pt(0, 0), pt(9, 9)}, false).weights = {1};
    SceneObject& nurbs = f.add(kNurbsCircle, {pt(0, 0), pt(9, 9)}, false);
    nurbs.requiredPoints = 2;
    nurbs.weights = {1, 1};
    nurbs.knotCount = 5;
    nurbs.knots = {0, 0, 0};
    f.add(kLineDDA, {pt(1, 1)}, false).pointCount = 1000;
    f.add(kLineBresenham, {pt(50, 50)}).pointCount = 2;
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_EQ(f.takeConsole(), "         ");
    const auto calls = drawCalls(f.target);
    ASSERT_EQ(calls.size(), 4u + 8u + 8u + 4u + 12u);  // three inactive, the active, highlight
    EXPECT_EQ(calls[0].pixels.front(), Pixel(6, -4));
    EXPECT_EQ(calls[20].pixels.front(), Pixel(55, 45));
}

// Rows in list order, the arrow on the active one; B-spline and NURBS rows add their knots.
TEST(ScenePass2D, RowsComeInListOrder) {
    AppFixture f;
    f.hideAids();
    f.add(kBSplineCurve, {kPoints, kPoints + 4}, false).order = 2;
    SceneObject& nurbs = f.add(kNurbsCircle, {kPoints, kPoints + 4}, false);
    nurbs.weights = {1, 1, 1, 1};
    nurbs.knots = {0, 0, 0, 0.25f, 1, 1, 1};
    nurbs.knotCount = 7;
    nurbs.requiredPoints = 4;
    f.add(kLineBresenham, {pt(0, 0), pt(5, 5)}, true);
    f.add(kLineDDA, {pt(0, 0), pt(5, 1)}, false);
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_EQ(f.rows(),
              "   Usecka DDA algoritmus       : t\n"
              "-> Usecka Bresenham algoritmus : t\n"
              "   NURBS                       : t   U = [ 0 0 0 0.25 1 1 1 ]\n"
              "   BSpline obecna krivka       : t   U = [ ]\n");
}

// The printed time is the algorithm's own, measured; lastTime takes it from the active
// object only.
TEST(ScenePass2D, ActiveObjectsTimeGoesToLastTime) {
    SlowTarget slow;
    AppFixture f(nullptr, &slow);
    f.hideAids();
    f.app.lastTime = -7.0f;
    f.add(kLineBresenham, {pt(0, 0), pt(5, 5)}, false);
    f.app.drawScene2D();
    EXPECT_EQ(f.app.lastTime, -7.0f);

    f.app.objects2D.front().active = true;
    slow.record.clear();
    f.takeConsole();
    f.app.drawScene2D();
    const std::string row = f.takeConsole();
    const std::string head = "-> Usecka Bresenham algoritmus : ";
    ASSERT_EQ(row.substr(0, head.size()), head);
    const double printed = std::stod(row.substr(head.size()));
    EXPECT_GE(printed, 0.99 * SlowTarget::kPause.count());
    EXPECT_NEAR(f.app.lastTime, printed, printed * 1e-5);
}

// A curve drawn by the pass has as many chords as segments, after the one-pixel chord at
// its start.
TEST(ScenePass2D, CurvesSampleSegmentsPlusOnePoints) {
    AppFixture f;
    f.hideAids();
    f.add(kBezierCurve, {pt(0.5f, 0.5f), pt(300.5f, 100.5f)});
    f.app.drawScene2D();
    EXPECT_EQ(chordsOf(f.target).size(), 101u);
}

std::set<Pixel> square(int cx, int cy, int h) {
    std::set<Pixel> out;
    for (int d = -h; d <= h; ++d) {
        out.insert({cx + d, cy - h});
        out.insert({cx + d, cy + h});
        out.insert({cx - h, cy + d});
        out.insert({cx + h, cy + d});
    }
    return out;
}

std::set<Pixel> merged(const std::vector<DrawCall>& calls, std::size_t from) {
    std::set<Pixel> out;
    for (std::size_t i = from; i < from + 4; ++i)
        out.insert(calls.at(i).pixels.begin(), calls.at(i).pixels.end());
    return out;
}

// Markers in the control colour around every point of the active object, then the object,
// then the active point framed by two black squares; inactive objects' points only when
// asked, in the inactive colour.
TEST(ScenePass2D, MarkersAndTheActivePointHighlight) {
    AppFixture f;
    f.add(kLineBresenham, {pt(300, 300), pt(310, 320)}, false);
    f.add(kLineDDA, {pt(100.6f, 50.2f), pt(200, 80)});
    f.app.activePoint = 1;
    f.app.showInactivePoints = 1;
    f.app.inactiveColor = {0.5f, 0.25f, 0.0f};
    f.app.drawScene2D();
    const auto calls = drawCalls(f.target);
    ASSERT_EQ(calls.size(), 8u + 8u + 2u + 12u);
    const struct {
        std::size_t call;
        std::set<Pixel> square;
        Rgb colour;
    } squares[] = {
        {0, square(300, 300, 5), {0.5f, 0.25f, 0}}, {4, square(310, 320, 5), {0.5f, 0.25f, 0}},
        {8, square(100, 50, 5), {0, 0, 1}},         {12, square(200, 80, 5), {0, 0, 1}},
        {18, square(200, 80, 6), {0, 0, 0}},        {22, square(200, 80, 4), {0, 0, 0}},
        {26, square(200, 80, 5), {1, 1, 0}},
    };
    for (const auto& s : squares) {
        EXPECT_EQ(merged(calls, s.call), s.square) << "call " << s.call;
        EXPECT_EQ(calls[s.call].r, s.colour.r) << "call " << s.call;
        EXPECT_EQ(calls[s.call].g, s.colour.g) << "call " << s.call;
        EXPECT_EQ(calls[s.call].b, s.colour.b) << "call " << s.call;
    }
    EXPECT_EQ(calls[16].pixels.front(), Pixel(100, 50));  // the DDA line, in the object colour
    EXPECT_EQ(calls[16].g, 0.0f);

    // No highlight without an active point, nor with the markers off.
    for (const auto& [activePoint, markers, count] : {std::tuple{-1, 1, 8u + 8u + 1u + 1u},
                                                      std::tuple{0, 0, 8u + 1u + 1u}}) {
        f.target.clear();
        f.app.activePoint = activePoint;
        f.app.showControlPoints = markers;
        f.app.drawScene2D();
        EXPECT_EQ(drawCalls(f.target).size(), count) << activePoint << " " << markers;
    }
}

// The active curve shows its control polygon in the polygon colour; the Ferguson forms show
// their tangents instead: P0-P1 and P2-P3, or every (point, tangent end) pair.
TEST(ScenePass2D, ControlPolygonsAndTangents) {
    const struct {
        int32_t kind;
        int placed;
        Chords aid;
    } cases[] = {
        {kBezierCubicIterative, 4, polyline({{100, 50}, {130, 90}, {170, 75}, {190, 20}})},
        {kFergusonCubic, 4, {{{100, 50}, {130, 90}}, {{170, 75}, {190, 20}}}},
        {kFergusonCubic, 2, {{{100, 50}, {130, 90}}}},
        {kFergusonCurve, 3, {{{100, 50}, {130, 90}}}},
        {kFergusonCurve, 4, {{{100, 50}, {130, 90}}, {{170, 75}, {190, 20}}}},
    };
    for (const auto& c : cases) {
        AppFixture f;
        f.app.showControlPoints = 0;
        f.add(c.kind, {kPoints, kPoints + c.placed});
        f.app.drawScene2D();
        const auto calls = drawCalls(f.target);
        ASSERT_GE(calls.size(), c.aid.size());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const bool aid = i < c.aid.size();
            EXPECT_EQ(calls[i].b, aid ? 1.0f : 0.0f) << c.kind << ", call " << i;
            if (aid) {
                EXPECT_EQ(Chord(calls[i].pixels.front(), calls[i].pixels.back()), c.aid[i]);
            }
        }
        f.target.clear();
        f.app.objects2D.front().active = false;  // inactive curves show no aid
        f.app.drawScene2D();
        for (const DrawCall& call : drawCalls(f.target))
            EXPECT_EQ(call.b, 0.0f) << c.kind;
    }
}

}  // namespace
