#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include <cmath>
#include <string>
#include <vector>

#include "VectorFileSupport.h"
#include "io/PvfBlockWriter.h"
#include "io/PvfWriter.h"
#include "model/ObjectKind.h"

namespace {

const char* const kStamp = "Fri Dec  4 17:10:19 2026\n";

const char* const kHeader =
    "; ----------------------------------------------------------------------\n"
    "; PIXELFORGE VECTOR FILE FORMAT <.PVF>\n"
    "; ----------------------------------------------------------------------\n"
    "; Tento soubor byl vygenerovan v Fri Dec  4 17:10:19 2026\n"
    "; Obsahuje vektorovy zapis objektu pro program PIXELFORGE\n"
    "; Soubor ma presne danou strukturu, editujte pouze pokud jste\n"
    "; obeznameni s PVF formatem -> Informace pro rucni editovani\n"
    "; hledejte v souboru help.htm, sekce PVF format\n"
    "\n"
    "\n";

SceneObject object2D(int kind, std::vector<Point3> points) {
    SceneObject o;
    o.kind = kind;
    o.pointCount = static_cast<int>(points.size());
    o.points = std::move(points);
    return o;
}

// The body of the text between the two section lines.
std::string blocks2D(const ObjectList& objects2D) {
    const std::string text = pvfText(objects2D, {}, kStamp);
    const std::string open = "; 2D grafika\n\n";
    const std::size_t begin = text.find(open) + open.size();
    return text.substr(begin, text.find("; 3D grafika\n") - begin);
}

TEST(VectorFileWriter, EmptyScene) {
    EXPECT_EQ(pvfText({}, {}, kStamp),
              std::string(kHeader) + "; 2D grafika\n\n; 3D grafika\n\n\n; END of PVF\n");
}

TEST(VectorFileWriter, LineMadeAfterABezierPresetNurbs) {
    SceneObject nurbs = object2D(kNurbsBezier, {{0, 0}, {10, 40}, {50, 40}, {60, 0}});
    nurbs.requiredPoints = 4;
    nurbs.weights = {1, 1, 1, 1};
    nurbs.knots = {0, 0, 0, 0, 1, 1, 1, 1};
    nurbs.knotCount = 8;
    const ObjectList objects2D = {object2D(kLineDDA, {{10, 20}, {110, 70}}), nurbs};

    EXPECT_EQ(pvfText(objects2D, {}, kStamp),
              std::string(kHeader) +
                  "; 2D grafika\n\n"
                  "LINE_DDA\n10 20\n110 70\n\n"
                  "SPLINE_NURBS\n4\n0 0 1.000000\n10 40 1.000000\n50 40 1.000000\n60 0 1.000000\n"
                  "8\n0.000000\n0.000000\n0.000000\n0.000000\n"
                  "1.000000\n1.000000\n1.000000\n1.000000\n\n"
                  "; 3D grafika\n\n\n; END of PVF\n");
}

TEST(VectorFileWriter, CoordinatesAreTruncatedTowardZero) {
    EXPECT_EQ(blocks2D({object2D(kLineBresenham, {{12.7f, -3.2f}, {-0.9f, 99.99f}})}),
              "LINE_BRESENHAM\n12 -3\n0 99\n\n");
    EXPECT_EQ(truncatedCoordinate(-2147483648.0f), -2147483647 - 1);
    EXPECT_EQ(truncatedCoordinate(3e9f), 2147483647);
    EXPECT_EQ(truncatedCoordinate(-3e9f), -2147483647 - 1);
    EXPECT_EQ(truncatedCoordinate(std::nanf("")), 0);
}

TEST(VectorFileWriter, RoundObjectsWriteCentreAndSizes) {
    SceneObject general = object2D(kEllipseGeneral, {{200, 150}, {250, 250}, {170, 170}});
    general.sizeA = 50;
    general.sizeB = 100;
    general.angle = -30;
    SceneObject ellipse = object2D(kEllipseBresenham, {{30, 40}, {35, 47}});
    ellipse.sizeA = 5;
    ellipse.sizeB = 7;
    SceneObject circle = object2D(kCircleRotation, {{100, 100}, {140, 100}});
    circle.sizeA = 40;
    EXPECT_EQ(blocks2D({general, ellipse, circle}),
              "ELIPSE_FREE\n200 150\n50 100 \n-30\n\n"
              "ELIPSE_BRESENHAM\n30 40\n5 7\n\n"
              "CIRCLE_LINE_ROTATION\n100 100\n40\n\n");
}

TEST(VectorFileWriter, CurvesWriteCountsWeightsAndOrder) {
    SceneObject rational = object2D(kRationalBezierCurve, {{1, 2}, {3, 4}});
    rational.weights = {0.5f, 10.0f};
    SceneObject bspline = object2D(kBSplineCurve, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    bspline.order = 3;
    SceneObject cubic = object2D(kCoonsCubic, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    EXPECT_EQ(blocks2D({rational, bspline, cubic}),
              "SPLINE_BEZIER_RACIONAL\n2\n1 2 0.500000\n3 4 10.000000\n\n"
              "SPLINE_BSPLINE\n4\n0 0\n1 1\n2 2\n3 3\n3\n\n"
              "SPLINE_COONS_CUBIC\n4\n0 0\n1 1\n2 2\n3 3\n\n");
}

// Objects still short of their points have no block; the menu sizes the arrays for the full
// count while pointCount says how many are placed.
TEST(VectorFileWriter, UnfinishedObjectsAreLeftOut) {
    auto placed = [](int kind, int capacity, int count) {
        SceneObject o;
        o.kind = kind;
        o.points.resize(static_cast<std::size_t>(capacity));
        o.weights.resize(static_cast<std::size_t>(capacity), 1.0f);
        o.pointCount = count;
        return o;
    };
    SceneObject nurbs = placed(kNurbsCircle, 7, 6);
    nurbs.requiredPoints = 7;
    const ObjectList unfinished = {
        placed(kBezierCubicIterative, 4, 3),
        placed(kBezierCurve, 50, 1),
        placed(kRationalBezierCurve, 50, 1),
        placed(kCoonsCurve, 50, 3),
        placed(kFergusonCurve, 50, 3),
        placed(kCatmullRomCurve, 50, 3),
        placed(kBSplineCurve, 50, 3),
        nurbs,
        placed(kLineDDA, 2, 1),
        placed(kCircleParametric, 2, 1),
        placed(kEllipseParametric, 2, 1),
        placed(kEllipseGeneral, 3, 2),
        placed(kLineBresenham, 1, 5),  // a count its points do not back
        placed(99, 2, 2),              // no keyword
    };
    EXPECT_EQ(blocks2D(unfinished), "");

    const ObjectList finished = {placed(kBezierCurve, 50, 2), placed(kCatmullRomCurve, 50, 4)};
    EXPECT_EQ(blocks2D(finished),
              "SPLINE_BEZIER\n2\n0 0\n0 0\n\nSPLINE_CATMULROM\n4\n0 0\n0 0\n0 0\n0 0\n\n");
}

TEST(VectorFileWriter, SurfacesWriteNetAndColour) {
    SceneObject rational;
    rational.kind = kSurfaceRationalBezier;
    rational.pointCount = 16;
    rational.points.resize(16);
    rational.weights.assign(16, 1.0f);
    rational.points[0] = {-15.5f, 0, 15};
    rational.weights[0] = 2.5f;
    rational.color[1] = 1.0f;
    rational.color[2] = 0.2f;

    const std::string text = pvfText({}, {rational}, kStamp);
    std::string expected =
        "; 3D grafika\n\nSURFACE_BEZIER_RACIONAL_BICUBIC\n16\n-15 0 15 2.500000\n";
    for (int i = 1; i < 16; ++i)
        expected += "0 0 0 1.000000\n";
    expected += "0.000000 1.000000 0.200000\n\n\n; END of PVF\n";
    EXPECT_EQ(text.substr(text.find("; 3D grafika")), expected);
}

// ctime's form for a fixed instant in a fixed zone.
TEST(VectorFileWriter, StampHasTheCtimeForm) {
    const char* saved = getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(ctimeStamp(0), "Thu Jan  1 00:00:00 1970\n");
    EXPECT_EQ(ctimeStamp(1796404219), "Fri Dec  4 17:10:19 2026\n");
    EXPECT_EQ(ctimeStamp(1000000000), "Sun Sep  9 01:46:40 2001\n");
    setenv("TZ", "America/New_York", 1);
    tzset();
    for (std::time_t t : {std::time_t{0}, std::time_t{1796404219}, std::time_t{1719000000}}) {
        EXPECT_EQ(ctimeStamp(t), std::ctime(&t));
    }
    if (saved) {
        setenv("TZ", savedZone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

TEST(VectorFileWriter, FileIsTheTextAndAMissingDirectoryFails) {
    ScratchDir dir;
    const std::string path = dir.path("scene.pvf");
    writeFile(path, "older and much longer content that must be replaced entirely");
    const ObjectList objects2D = {object2D(kLineDDA, {{1, 2}, {3, 4}})};
    ASSERT_TRUE(writePvfFile(path.c_str(), objects2D, {}, 0));
    EXPECT_EQ(fileBytes(path), pvfText(objects2D, {}, ctimeStamp(0)));

    const std::string missing = dir.path("no-such-dir/scene.pvf");
    EXPECT_FALSE(writePvfFile(missing.c_str(), objects2D, {}, 0));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
