#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "AppFixture.h"
#include "app/ScenePass2D.h"

namespace {

const std::vector<Point3> kFour = {{0, 0, 0}, {10, 40, 0}, {50, 40, 0}, {60, 0, 0}};
const std::vector<Point3> kSix = {{0, 0, 0},  {10, 40, 0}, {50, 40, 0},
                                  {60, 0, 0}, {90, 30, 0}, {100, 20, 0}};

// Every kind, active and complete, prints its row after the arrow.
TEST(ScenePassKinds, EachCompleteKindPrintsItsRow) {
    struct Case {
        int32_t kind;
        std::vector<Point3> points;
        const char* label;
    };
    const std::vector<Point3> handles = {{100, 100, 0}, {150, 130, 0}, {130, 120, 0}};
    const Case cases[] = {
        {kCircleBresenham, {handles[0], handles[1]}, "Kruznice Bresenham algorit. : "},
        {kCircleRotation, {handles[0], handles[1]}, "Kruznice Rotace usecek      : "},
        {kCircleParametric, {handles[0], handles[1]}, "Kruznice Parametricky tvar  : "},
        {kEllipseBresenham, {handles[0], handles[1]}, "Elipsa Bresenham algoritmus : "},
        {kEllipseParametric, {handles[0], handles[1]}, "Elipsa Parametricky tvar    : "},
        {kEllipseGeneral, handles, "Elipsa Obecna               : "},
        {kBezierCubicIterative, kFour, "Bezierova kubika iterativne : "},
        {kBezierCubicRecursive, kFour, "Bezierova kubika rekursivne : "},
        {kFergusonCubic, kFour, "Fergusonova kubika          : "},
        {kCoonsCubic, kFour, "Coonsova kubika             : "},
        {kCatmullRomCubic, kFour, "Catmul-Rom kubika           : "},
        {kBezierCurve, kSix, "Bezierova krivka            : "},
        {kCoonsCurve, kSix, "Coonsova BSpline krivka     : "},
        {kFergusonCurve, kSix, "Fergusonova krivka          : "},
        {kCatmullRomCurve, kSix, "Catmul-Rom krivka           : "},
    };
    for (const Case& c : cases) {
        AppFixture f;
        SceneObject& o = f.add(c.kind, c.points);
        o.sizeA = 50;
        o.sizeB = 30;
        o.angle = 30;
        f.takeConsole();
        f.app.drawScene2D();
        EXPECT_TRUE(areRows(f.takeConsole(), {speedRow(std::string("-> ") + c.label)})) << c.kind;
    }
}

TEST(ScenePassKinds, CirclesAndEllipsesUseTheTruncatedCentreAndTheirSizes) {
    AppFixture f;
    SceneObject& circle = f.add(kCircleBresenham, {{100.7f, 50.9f, 0}, {105.7f, 50.9f, 0}});
    circle.sizeA = 5;
    f.app.settings2D.showControlPoints = 0;
    f.app.drawScene2D();
    const std::set<Pixel> octants = mirrored({{0, 5}, {1, 5}, {2, 5}, {3, 4}});  // radius 5
    EXPECT_EQ(pixelSetOf(f.target), setOf(shifted({octants.begin(), octants.end()}, 100, 50)));
    EXPECT_EQ(f.target.colors.front().r, 1.0f) << "drawn in the object colour";

    AppFixture g;
    SceneObject& ellipse = g.add(kEllipseGeneral, {{200, 150, 0}, {250, 250, 0}, {170, 170, 0}});
    ellipse.sizeA = 50;
    ellipse.sizeB = 10;
    ellipse.angle = 90;  // the long axis stands upright
    g.app.settings2D.showControlPoints = 0;
    g.app.drawScene2D();
    float top = 0;
    float right = 0;
    for (const PlottedPoint& p : g.target.points) {
        top = std::max(top, p.y - 150);
        right = std::max(right, p.x - 200);
    }
    EXPECT_NEAR(top, 50.0f, 0.01f);
    EXPECT_NEAR(right, 10.0f, 0.01f);
}

TEST(ScenePassKinds, RationalBSplineAndNurbsRowsCarryTheirData) {
    AppFixture f;
    SceneObject& rational = f.add(kRationalBezierCurve, kFour, false);
    rational.weights = {1, 10, 1, 1};
    SceneObject& bspline = f.add(kBSplineCurve, kSix, false);
    bspline.order = 3;
    SceneObject& nurbs = f.add(kNurbsBezier, kFour, true);
    nurbs.weights = {1, 1, 1, 1};
    nurbs.knots = {0, 0, 0, 0, 1, 1, 1, 1};
    nurbs.knotCount = 8;
    nurbs.requiredPoints = 4;
    f.takeConsole();
    f.app.drawScene2D();
    const std::string console = f.takeConsole();
    EXPECT_TRUE(areRows(
        console, {speedRow("-> NURBS                       : ", "   U = [ 0 0 0 0 1 1 1 1 ]"),
                  speedRow("   BSpline obecna krivka       : ", "   U = [ ]"),
                  speedRow("   Racionalni Bezierova krivka : ")}))
        << console;
}

TEST(ScenePassKinds, PrefixWhenDiffersFromCompleteWhen) {
    struct Case {
        int32_t kind;
        int points;
        const char* console;
    };
    // The Coons chain and the NURBS show the arrow from two points on; the others wait until
    // they can be drawn.
    const Case cases[] = {
        {kCoonsCurve, 1, ""},      {kCoonsCurve, 2, "-> "},        {kCoonsCurve, 3, "-> "},
        {kCatmullRomCurve, 3, ""}, {kFergusonCurve, 3, ""},        {kBSplineCurve, 3, ""},
        {kBezierCurve, 1, ""},     {kBezierCubicIterative, 3, ""}, {kNurbsCircle, 1, ""},
        {kNurbsCircle, 2, "-> "},  {kNurbsCircle, 6, "-> "},
    };
    for (const Case& c : cases) {
        AppFixture f;
        std::vector<Point3> points(7, Point3{5, 5, 0});
        SceneObject& o = f.add(c.kind, points);
        o.pointCount = c.points;
        o.requiredPoints = 7;
        o.weights.assign(7, 1.0f);
        o.knots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
        o.knotCount = 10;
        f.takeConsole();
        f.app.drawScene2D();
        EXPECT_EQ(f.takeConsole(), c.console) << c.kind << " with " << c.points;
    }
}

TEST(ScenePassKinds, NurbsIsDrawnOnlyWithItsRequiredPoints) {
    AppFixture f;
    std::vector<Point3> circle = {{150, 100, 0}, {150, 150, 0}, {50, 150, 0}, {50, 100, 0},
                                  {50, 50, 0},   {150, 50, 0},  {150, 100, 0}};
    SceneObject& o = f.add(kNurbsCircle, circle);
    o.weights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};
    o.knots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
    o.knotCount = 10;
    o.requiredPoints = 7;
    f.app.settings2D.showControlPoints = 0;
    f.app.settings2D.showControlPolygon = 0;
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_TRUE(areRows(f.takeConsole(), {speedRow("-> NURBS                       : ",
                                                   "   U = [ 0 0 0 0.25 0.5 0.5 0.75 1 1 1 ]")}));
    EXPECT_FALSE(f.target.points.empty());

    o.pointCount = 6;  // one short of the preset
    f.target.clear();
    f.app.drawScene2D();
    EXPECT_EQ(f.takeConsole(), "-> ");
    EXPECT_TRUE(f.target.points.empty());
}

TEST(ScenePassKinds, ActiveCurveShowsItsPolygonInThePolygonColour) {
    AppFixture f;
    f.add(kBezierCubicIterative, kFour);
    f.app.settings2D.showControlPoints = 0;
    f.app.drawScene2D();
    const auto calls = drawCalls(f.target);
    // Three polygon edges, then the curve (its own bracket and its chords).
    ASSERT_GT(calls.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].r, 1.0f);
        EXPECT_EQ(calls[i].g, 0.0f);
        EXPECT_EQ(calls[i].b, 1.0f);
    }
    EXPECT_EQ(calls[0].points.front().x, 0.0f);
    EXPECT_EQ(calls[2].points.back().x, 60.0f);
    for (std::size_t i = 3; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].g + calls[i].b, 0.0f) << "curve chords in the object colour";
    }

    f.target.clear();
    f.app.scene.objects2D.front().active = false;  // inactive curves show no polygon
    f.app.drawScene2D();
    EXPECT_EQ(drawCalls(f.target)[0].b, 0.0f);
}

TEST(ScenePassKinds, FergusonFormsShowTangentsInsteadOfThePolygon) {
    AppFixture f;
    f.add(kFergusonCubic, kFour);
    f.app.settings2D.showControlPoints = 0;
    f.app.drawScene2D();
    auto calls = drawCalls(f.target);
    ASSERT_GE(calls.size(), 2u);
    // P0-P1 and P2-P3 only, never P1-P2.
    EXPECT_EQ(calls[0].points.front().x, 0.0f);
    EXPECT_EQ(calls[0].points.back().x, 10.0f);
    EXPECT_EQ(calls[1].points.front().x, 50.0f);
    EXPECT_EQ(calls[1].points.back().x, 60.0f);
    EXPECT_EQ(calls[1].b, 1.0f);

    AppFixture g;
    g.add(kFergusonCurve, kSix).pointCount = 5;  // pairs (0,1), (2,3); point 4 has no partner
    g.app.settings2D.showControlPoints = 0;
    g.app.drawScene2D();
    calls = drawCalls(g.target);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[1].points.back().x, 60.0f);
    EXPECT_NE(calls[2].b, 1.0f) << "no third tangent";
}

TEST(ScenePassKinds, ShortWeightOrKnotArraysKeepTheObjectUndrawn) {
    AppFixture f;
    SceneObject& rational = f.add(kRationalBezierCurve, kFour);
    rational.weights = {1, 1};  // fewer weights than points
    SceneObject& nurbs = f.add(kNurbsCircle, kFour, false);
    nurbs.requiredPoints = 4;
    nurbs.weights = {1, 1, 1, 1};
    nurbs.knotCount = 8;
    nurbs.knots = {0, 0, 0};  // fewer knots than it claims
    f.app.settings2D.showControlPoints = 0;
    f.app.settings2D.showControlPolygon = 0;
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_EQ(f.takeConsole(), "   -> ");
    EXPECT_TRUE(f.target.points.empty());
}

}  // namespace
