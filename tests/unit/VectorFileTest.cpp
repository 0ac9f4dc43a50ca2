#include <gtest/gtest.h>

#include <time.h>

#include <cmath>
#include <cstdio>

#include "RoundTripMatch.h"
#include "Support.h"
#include "app/ObjectKind.h"
#include "io/PvfReader.h"
#include "io/PvfWriter.h"
#include "io/ScanfScanner.h"

namespace {

const char* const kStamp = "Thu Jan  1 00:00:00 1970\n";

struct ReadScene {
    ObjectList objects2D;
    ObjectList surfaces3D;
    PvfReadReport report;
    const SceneObject& object(std::size_t i) const { return *std::next(objects2D.begin(), i); }
};

ReadScene readText(const std::string& text) {
    ReadScene scene;
    scene.report = readPvfText(text, scene.objects2D, scene.surfaces3D);
    return scene;
}

std::vector<int> kindsOf(const ObjectList& list) {
    std::vector<int> kinds;
    for (const SceneObject& o : list)
        kinds.push_back(o.kind);
    return kinds;
}

SceneObject object(int kind, std::vector<Point3> points) {
    SceneObject o;
    o.kind = kind;
    o.pointCount = static_cast<int>(points.size());
    o.points = std::move(points);
    return o;
}

std::string surfaceNumbers(bool rational) {
    std::string text;
    for (int i = 0; i < 16; ++i) {
        text += std::to_string(i) + " " + std::to_string(-i) + " " + std::to_string(2 * i);
        text += rational ? " " + std::to_string(i + 1) + ".5\n" : "\n";
    }
    return text + "0.2 0.4 1\n";
}

// One character before each word is consumed unseen: ";" there opens a comment, anything
// else is lost, the first letter of a keyword included.
TEST(VectorFileReader, LexicalRules) {
    const struct {
        std::string text;
        std::vector<int> kinds;  // front first
    } cases[] = {
        {"LINE_DDA\n10 20\n110 70\n", {}},
        {"\nLINE_DDA\n10 20\n110 70\n", {kLineDDA}},
        {"; note\nLINE_DDA 1 2 3 4\n", {}},
        {"; note\n\nLINE_DDA 1 2 3 4\n", {kLineDDA}},
        {"; a\n\n; see LINE_DDA 1 2 3 4\n", {kLineDDA}},
        {"\nLINE_DDA 1 2 3 4;LINE_DDA 1 2 3 4\n", {kLineDDA}},
        {"\nline_dda 1 2 3 4\n Line_Dda 1 2 3 4\n", {}},
        {"\nLINE_DDA 1 2 3 4\n; end", {kLineDDA}},
        {"; one\n; two\n;three", {}},
        {"junk 5 LINE_BRESENHAM 1 2 3 4 more LINE_DDAX LINE_DD LINE_DDA 5 6 7 8 x",
         {kLineDDA, kLineBresenham}},
        {" " + std::string(39, 'Q') + "ZLINE_DDA 1 2 3 4\n", {}},  // longer than 39: no word
        {" LINE_DDA" + std::string(40, 'x') + " 1 2 3 4\n", {}},
        {" " + std::string(39, 'W') + " LINE_DDA 1 2 3 4", {kLineDDA}},
        {"\r\n\tLINE_DDA\r\n1\t2\v3\f4\r\n", {kLineDDA}},
        {"\nLINE_LINE2STEP 1 2 3 4\nLINE_ENHANCED_DDA 1 2 3 4", {kLineTwoStep, kLineLine2Step}},
        // "%d" stops at the point: ".5" is the next item, and the next block then fails on
        // the keyword after it, whose first letter it has consumed.
        {"\nCIRCLE_BRESENHAM 10 20 5.5\nLINE_DDA 1 2 3\nLINE_DDA 1 2 3 4\n", {kCircleBresenham}},
    };
    for (const auto& c : cases) {
        const ReadScene scene = readText(c.text);
        EXPECT_EQ(scene.report.status, PvfReadReport::Status::Complete) << c.text;
        EXPECT_EQ(kindsOf(scene.objects2D), c.kinds) << c.text;
    }
}

// Circles and ellipses carry their centre; the handles are put beside it: the radius to the
// right, (a, b) from the centre, the angle handle 20 above and `angle` to the side. A cubic
// holds four points whatever its count says; a rational patch sixteen whatever its count.
TEST(VectorFileReader, HandlesAndFixedSizes) {
    const ReadScene scene = readText(
        "\nELIPSE_FREE\n200 150\n50 100 \n-30\n\nCIRCLE_BRESENHAM\n100 100\n40\n"
        "\nELIPSE_PARAMETRIC\n-10.5 20\n7 -3\n\nSPLINE_BEZIER_CUBIC_RECURSIVE\n3\n1 2\n3 4\n5 6\n7 8\n"
        "\nSURFACE_BEZIER_RACIONAL_BICUBIC\n9\n" + surfaceNumbers(true) + "\nLINE_DDA 1 2 3 4\n");
    ASSERT_EQ(kindsOf(scene.objects2D), (std::vector<int>{kLineDDA, kBezierCubicRecursive,
                                                          kEllipseParametric, kCircleBresenham,
                                                          kEllipseGeneral}));
    auto xy = [](const SceneObject& o) {
        std::vector<std::pair<float, float>> out;
        for (const Point3& p : o.points)
            out.push_back({p.x, p.y});
        return out;
    };
    using XY = std::vector<std::pair<float, float>>;
    EXPECT_EQ(scene.object(1).pointCount, 3);
    EXPECT_EQ(xy(scene.object(1)), (XY{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    EXPECT_EQ(xy(scene.object(2)), (XY{{-10.5f, 20}, {-3.5f, 17}}));
    EXPECT_EQ(xy(scene.object(3)), (XY{{100, 100}, {140, 100}}));
    EXPECT_EQ(xy(scene.object(4)), (XY{{200, 150}, {250, 250}, {170, 170}}));
    EXPECT_EQ(scene.object(4).pointCount, 3);
    EXPECT_EQ(scene.object(4).angle, -30);
    ASSERT_EQ(scene.surfaces3D.size(), 1u);
    const SceneObject& patch = scene.surfaces3D.front();
    EXPECT_EQ(patch.pointCount, 16);
    EXPECT_EQ(patch.points.at(15).z, 30.0f);
    EXPECT_EQ(patch.weights.at(15), 16.5f);
    EXPECT_EQ(patch.color[1], 0.4f);
}

// Objects read go to the front. A 2D block clears every active flag of its list; a surface
// only the first one it finds.
TEST(VectorFileReader, ObjectsGoToTheFrontAndTheLastReadIsActive) {
    ReadScene scene;
    scene.objects2D.resize(2);
    scene.surfaces3D.resize(2);
    for (ObjectList* list : {&scene.objects2D, &scene.surfaces3D}) {
        for (SceneObject& o : *list)
            o.active = true;
    }
    readPvfText("\nLINE_BRESENHAM 1 1 2 2\nLINE_DDA 1 1 2 2\nSURFACE_COONS_BICUBIC 16\n" +
                    surfaceNumbers(false) + "SURFACE_FERGUSON_BICUBIC 16\n" + surfaceNumbers(false),
                scene.objects2D, scene.surfaces3D);
    auto flags = [](const ObjectList& list) {
        std::vector<bool> out;
        for (const SceneObject& o : list)
            out.push_back(o.active);
        return out;
    };
    EXPECT_EQ(kindsOf(scene.objects2D), (std::vector<int>{kLineDDA, kLineBresenham, 0, 0}));
    EXPECT_EQ(flags(scene.objects2D), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(kindsOf(scene.surfaces3D), (std::vector<int>{kSurfaceFerguson, kSurfaceCoons, 0, 0}));
    EXPECT_EQ(flags(scene.surfaces3D), (std::vector<bool>{true, false, false, true}));
}

std::string repeated(int n, const std::string& item) {
    std::string text = std::to_string(n);
    for (int i = 0; i < n; ++i)
        text += " " + item;
    return text + "\n";
}

// A block with a malformed number or a count or value the scene cannot hold is dropped
// whole: nothing of it reaches the lists, whose active flags stay. The largest blocks that
// can be held are kept.
TEST(VectorFileReader, BlocksTheSceneCannotHoldAreDropped) {
    const struct {
        std::string text;
        int dropped;
    } cases[] = {
        {"LINE_DDA 10 20 x 70", 1},
        {"LINE_DDA 10 20 - 70", 1},
        {"CIRCLE_PARAMETRIC 10 20 r", 1},
        {"LINE_DDA 1e39 20 30 70", 1},
        {"ELIPSE_BRESENHAM 1 2 99999999999 5", 1},
        {"SPLINE_BEZIER -3 1 2 3 4", 1},
        {"SPLINE_COONS " + repeated(51, "1 7"), 1},
        {"SPLINE_CATMULROM " + repeated(50, "1 7"), 0},
        {"SPLINE_BSPLINE " + repeated(51, "1 7") + "3", 1},
        {"SPLINE_NURBS 101 1 2 1", 1},
        {"SPLINE_NURBS 1 5 5 1 " + repeated(101, "0.5"), 1},
        {"SPLINE_NURBS 1 5 5 1 " + repeated(100, "0.5"), 0},
        {"SPLINE_NURBS 1 5 5 1 -1", 1},
        {"CIRCLE_BRESENHAM 10 20 100001", 1},
        {"CIRCLE_BRESENHAM -100000 100000 100000", 0},
        {"ELIPSE_PARAMETRIC 10 20 5 -100001", 1},
        {"ELIPSE_FREE 10 20 5 5 100001", 1},
        {"LINE_DDA 10 20 100000.5 70", 1},
        {"SPLINE_COONS_CUBIC 5 1 1 2 2 3 3 4 4", 1},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 0", 1},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 6", 1},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 5", 0},
        {"SURFACE_BEZIER_BICUBIC 9 " + surfaceNumbers(false), 1},
        {"SURFACE_BEZIER_RACIONAL_BICUBIC x " + surfaceNumbers(true), 1},
    };
    for (const auto& c : cases) {
        ObjectList objects2D(1);
        ObjectList surfaces3D(1);
        objects2D.front().active = true;
        surfaces3D.front().active = true;
        const PvfReadReport report = readPvfText("\n" + c.text + "\n", objects2D, surfaces3D);
        EXPECT_EQ(report.blocksDropped, c.dropped) << c.text;
        EXPECT_EQ(report.objectsAdded, 1 - c.dropped) << c.text;
        EXPECT_EQ(objects2D.size() + surfaces3D.size(), 3u - c.dropped) << c.text;
        EXPECT_EQ(objects2D.back().active && surfaces3D.back().active, c.dropped == 1) << c.text;
    }
}

// Every block cut anywhere after its keyword and before its last number is dropped.
TEST(VectorFileReader, BlocksCutShortAreDropped) {
    std::string surface = "\nSURFACE_FERGUSON_BICUBIC\n16\n" + surfaceNumbers(false);
    surface.pop_back();
    const std::string blocks[] = {
        "\nLINE_BRESENHAM\n10 20\n110 70",
        "\nCIRCLE_LINE_ROTATION\n100 100\n40",
        "\nELIPSE_FREE\n200 150\n50 100 \n-30",
        "\nSPLINE_CATMULROM_CUBIC\n4\n1 2\n3 4\n5 6\n7 8",
        "\nSPLINE_FERGUSON\n4\n1 2\n3 4\n5 6\n7 8",
        "\nSPLINE_BSPLINE\n4\n1 2\n3 4\n5 6\n7 8\n3",
        "\nSPLINE_NURBS\n2\n0 0 1.000000\n10 40 0.5\n4\n0\n0\n1\n1",
        surface,
    };
    for (const std::string& block : blocks) {
        const std::size_t keywordEnd = block.find_first_of(" \n", 1);
        const std::size_t lastNumber = block.find_last_of(" \n") + 1;
        for (std::size_t cut = keywordEnd + 1; cut < lastNumber; ++cut) {
            const ReadScene scene = readText(block.substr(0, cut));
            ASSERT_EQ(scene.report.objectsAdded, 0) << block.substr(0, cut);
            ASSERT_EQ(scene.report.blocksDropped, 1) << block.substr(0, cut);
        }
        EXPECT_EQ(readText(block).report.objectsAdded, 1) << block;
    }
}

std::string blocks2D(const ObjectList& objects2D) {
    const std::string text = pvfText(objects2D, {}, kStamp);
    const std::size_t begin = text.find("; 2D grafika\n\n") + 14;
    return text.substr(begin, text.find("; 3D grafika\n") - begin);
}

TEST(VectorFileWriter, HeaderAndSections) {
    SceneObject nurbs = object(kNurbsBezier, {{0, 0}, {10, 40}, {50, 40}, {60, 0}});
    nurbs.requiredPoints = 4;
    nurbs.weights = {1, 1, 1, 1};
    nurbs.knots = {0, 0, 0, 0, 1, 1, 1, 1};
    nurbs.knotCount = 8;
    const std::string header =
        "; ----------------------------------------------------------------------\n"
        "; PIXELFORGE VECTOR FILE FORMAT <.PVF>\n"
        "; ----------------------------------------------------------------------\n"
        "; Tento soubor byl vygenerovan v Thu Jan  1 00:00:00 1970\n"
        "; Obsahuje vektorovy zapis objektu pro program PIXELFORGE\n"
        "; Soubor ma presne danou strukturu, editujte pouze pokud jste\n"
        "; obeznameni s PVF formatem -> Informace pro rucni editovani\n"
        "; hledejte v souboru help.htm, sekce PVF format\n\n\n";
    EXPECT_EQ(pvfText({}, {}, kStamp), header + "; 2D grafika\n\n; 3D grafika\n\n\n; END of PVF\n");
    EXPECT_EQ(pvfText({object(kLineDDA, {{10, 20}, {110, 70}}), nurbs}, {}, kStamp),
              header +
                  "; 2D grafika\n\nLINE_DDA\n10 20\n110 70\n\n"
                  "SPLINE_NURBS\n4\n0 0 1.000000\n10 40 1.000000\n50 40 1.000000\n60 0 1.000000\n"
                  "8\n0.000000\n0.000000\n0.000000\n0.000000\n"
                  "1.000000\n1.000000\n1.000000\n1.000000\n\n"
                  "; 3D grafika\n\n\n; END of PVF\n");
}

TEST(VectorFileWriter, BlocksOfEachForm) {
    SceneObject general = object(kEllipseGeneral, {{200, 150}, {250, 250}, {170, 170}});
    general.sizeA = 50;
    general.sizeB = 100;
    general.angle = -30;
    SceneObject ellipse = object(kEllipseBresenham, {{30, 40}, {35, 47}});
    ellipse.sizeA = 5;
    ellipse.sizeB = 7;
    SceneObject circle = object(kCircleRotation, {{100, 100}, {140, 100}});
    circle.sizeA = 40;
    SceneObject rational = object(kRationalBezierCurve, {{1, 2}, {3, 4}});
    rational.weights = {0.5f, 10.0f};
    SceneObject bspline = object(kBSplineCurve, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    bspline.order = 3;
    EXPECT_EQ(blocks2D({object(kLineBresenham, {{12.7f, -3.2f}, {-0.9f, 99.99f}}), general, ellipse,
                        circle, rational, bspline,
                        object(kCoonsCubic, {{0, 0}, {1, 1}, {2, 2}, {3, 3}})}),
              "LINE_BRESENHAM\n12 -3\n0 99\n\n"
              "ELIPSE_FREE\n200 150\n50 100 \n-30\n\n"
              "ELIPSE_BRESENHAM\n30 40\n5 7\n\n"
              "CIRCLE_LINE_ROTATION\n100 100\n40\n\n"
              "SPLINE_BEZIER_RACIONAL\n2\n1 2 0.500000\n3 4 10.000000\n\n"
              "SPLINE_BSPLINE\n4\n0 0\n1 1\n2 2\n3 3\n3\n\n"
              "SPLINE_COONS_CUBIC\n4\n0 0\n1 1\n2 2\n3 3\n\n");
    EXPECT_EQ(truncatedCoordinate(-2147483648.0f), -2147483647 - 1);
    EXPECT_EQ(truncatedCoordinate(3e9f), 2147483647);
    EXPECT_EQ(truncatedCoordinate(-3e9f), -2147483647 - 1);
    EXPECT_EQ(truncatedCoordinate(std::nanf("")), 0);

    SceneObject patch;
    patch.kind = kSurfaceRationalBezier;
    patch.pointCount = 16;
    patch.points.resize(16);
    patch.weights.assign(16, 1.0f);
    patch.points[0] = {-15.5f, 0, 15};
    patch.weights[0] = 2.5f;
    patch.color[1] = 1.0f;
    patch.color[2] = 0.2f;
    const std::string text = pvfText({}, {patch}, kStamp);
    std::string expected = "; 3D grafika\n\nSURFACE_BEZIER_RACIONAL_BICUBIC\n16\n-15 0 15 2.500000\n";
    for (int i = 1; i < 16; ++i)
        expected += "0 0 0 1.000000\n";
    EXPECT_EQ(text.substr(text.find("; 3D grafika")),
              expected + "0.000000 1.000000 0.200000\n\n\n; END of PVF\n");
}

// Objects still short of their points, with counts their arrays do not back, or with a kind
// that has no keyword have no block.
TEST(VectorFileWriter, UnfinishedObjectsAreLeftOut) {
    auto placed = [](int kind, int capacity, int count) {
        SceneObject o;
        o.kind = kind;
        o.points.resize(static_cast<std::size_t>(capacity));
        o.weights.resize(static_cast<std::size_t>(capacity), 1.0f);
        o.pointCount = count;
        o.requiredPoints = 7;
        return o;
    };
    EXPECT_EQ(blocks2D({placed(kBezierCubicIterative, 4, 3), placed(kBezierCurve, 50, 1),
                        placed(kRationalBezierCurve, 50, 1), placed(kCoonsCurve, 50, 3),
                        placed(kFergusonCurve, 50, 3), placed(kCatmullRomCurve, 50, 3),
                        placed(kBSplineCurve, 50, 3), placed(kNurbsCircle, 7, 6),
                        placed(kLineDDA, 2, 1), placed(kCircleParametric, 2, 1),
                        placed(kEllipseParametric, 2, 1), placed(kEllipseGeneral, 3, 2),
                        placed(kLineBresenham, 1, 5), placed(99, 2, 2)}),
              "");
    EXPECT_EQ(blocks2D({placed(kBezierCurve, 50, 2), placed(kCatmullRomCurve, 50, 4)}),
              "SPLINE_BEZIER\n2\n0 0\n0 0\n\nSPLINE_CATMULROM\n4\n0 0\n0 0\n0 0\n0 0\n\n");
}

// ctime's form for fixed instants in fixed zones; the file is the text, or nothing.
TEST(VectorFileWriter, StampAndFile) {
    const char* saved = getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(ctimeStamp(0), "Thu Jan  1 00:00:00 1970\n");
    EXPECT_EQ(ctimeStamp(1796404219), "Fri Dec  4 17:10:19 2026\n");
    setenv("TZ", "America/New_York", 1);
    tzset();
    for (std::time_t t : {std::time_t{0}, std::time_t{1796404219}, std::time_t{1719000000}})
        EXPECT_EQ(ctimeStamp(t), std::ctime(&t));
    saved ? setenv("TZ", savedZone.c_str(), 1) : unsetenv("TZ");
    tzset();

    ScratchDir dir;
    writeFile(dir.path("scene.pvf"), "older and much longer content that must be replaced entirely");
    const ObjectList objects2D = {object(kLineDDA, {{1, 2}, {3, 4}})};
    ASSERT_TRUE(writePvfFile(dir.path("scene.pvf").c_str(), objects2D, {}, 0));
    EXPECT_EQ(fileBytes(dir.path("scene.pvf")), pvfText(objects2D, {}, ctimeStamp(0)));
    EXPECT_FALSE(writePvfFile(dir.path("no/scene.pvf").c_str(), objects2D, {}, 0));
}

// One object of every kind, with whole coordinates as mouse placement gives them and weights
// and knots that six decimals do not hold exactly.
ObjectList everyKind2D() {
    ObjectList list;
    int seed = 0;
    auto add = [&](int kind, int points) -> SceneObject& {
        SceneObject o;
        o.kind = kind;
        o.pointCount = points;
        for (int i = 0; i < points; ++i, ++seed) {
            o.points.push_back(
                {static_cast<float>(37 * seed % 500), static_cast<float>(-11 * seed % 300), 0});
        }
        list.push_back(o);
        return list.back();
    };
    for (int kind : {kLineBresenham, kLineDDA, kLineTwoStep, kLineLine2Step})
        add(kind, 2);
    for (int kind : {kCircleBresenham, kCircleRotation, kCircleParametric})
        add(kind, 2).sizeA = 10 + kind;
    for (int kind : {kEllipseBresenham, kEllipseParametric, kEllipseGeneral}) {
        SceneObject& e = add(kind, kind == kEllipseGeneral ? 3 : 2);
        e.sizeA = kind * 3;
        e.sizeB = -kind;
        e.angle = kind == kEllipseGeneral ? -45 : 0;
    }
    for (int kind : {kBezierCubicIterative, kBezierCubicRecursive, kFergusonCubic, kCoonsCubic,
                     kCatmullRomCubic})
        add(kind, 4);
    add(kBezierCurve, 2);
    add(kRationalBezierCurve, 5).weights = {1.0f, 1.0f / 3.0f, 12.345678f, 0.1f, 100.0f};
    add(kCoonsCurve, 4);
    add(kFergusonCurve, 6);
    add(kCatmullRomCurve, 7);
    add(kBSplineCurve, 8).order = 4;
    SceneObject& circle = add(kNurbsCircle, 7);
    circle.requiredPoints = 7;
    circle.weights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};
    circle.knots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
    circle.knotCount = 10;
    SceneObject& bezier = add(kNurbsBezier, 4);
    bezier.requiredPoints = 4;
    bezier.weights = {1, 1, 1, 1};
    bezier.knots = {0, 0, 0, 0, 1.0f / 3.0f, 1, 1, 1};
    bezier.knotCount = 8;
    // A dragged centre can stand between pixels: the handles are put beside the truncated one.
    SceneObject& dragged = add(kEllipseParametric, 2);
    dragged.points[0] = {-0.5f, 10.7f, 0};
    dragged.sizeA = 2;
    dragged.sizeB = 3;
    return list;
}

ObjectList everySurface() {
    ObjectList list;
    int seed = 0;
    for (int kind : {kSurfaceBezier, kSurfaceRationalBezier, kSurfaceCoons, kSurfaceFerguson}) {
        SceneObject s;
        s.kind = kind;
        s.pointCount = 16;
        for (int i = 0; i < 16; ++i, ++seed) {
            s.points.push_back({static_cast<float>(seed % 31 - 15), static_cast<float>(seed % 7),
                                static_cast<float>(15 - seed % 23)});
            if (kind == kSurfaceRationalBezier)
                s.weights.push_back(1.0f + 0.123456789f * static_cast<float>(i));
        }
        s.color[0] = 0.2f;
        s.color[1] = kind == kSurfaceCoons ? 1.0f : 0.0f;
        s.color[2] = 1.0f / 3.0f;
        list.push_back(s);
    }
    return list;
}

// Every object comes back as written, truncated and rounded as the format keeps it, each list
// reversed since every object read goes to the front; a second round restores the first text.
TEST(VectorFileRoundTrip, EveryKindComesBack) {
    const ObjectList objects2D = everyKind2D();
    const ObjectList surfaces3D = everySurface();
    const std::string first = pvfText(objects2D, surfaces3D, kStamp);
    const ReadScene once = readText(first);
    EXPECT_EQ(once.report.status, PvfReadReport::Status::Complete);
    EXPECT_EQ(once.report.blocksDropped, 0);
    for (const auto& [read, written] :
         {std::pair{&once.objects2D, &objects2D}, {&once.surfaces3D, &surfaces3D}}) {
        ASSERT_EQ(read->size(), written->size());
        auto w = written->rbegin();
        for (const SceneObject& r : *read)
            EXPECT_EQ(roundTripMismatch(r, *w++), "") << "kind " << r.kind;
    }
    EXPECT_EQ(once.object(0).points[1].x, 2.0f);
    EXPECT_EQ(once.object(0).points[1].y, 13.0f);
    const ReadScene twice = readText(pvfText(once.objects2D, once.surfaces3D, kStamp));
    EXPECT_EQ(pvfText(twice.objects2D, twice.surfaces3D, kStamp), first);
}

std::string rest(ScanfScanner& scanner) {
    std::string text;
    for (int c = scanner.get(); c != CharSource::kEnd; c = scanner.get())
        text.push_back(static_cast<char>(c));
    return text;
}

// The C library is the reference: the scanner converts what sscanf converts, to the same
// value, and leaves the same text behind.
template <class T>
void expectAsSscanf(const char* format, bool (ScanfScanner::*read)(T&)) {
    const char* const texts[] = {
        "12",   "-3.5",  "+.5",  "5.",   ".",      "-",      "1e5",   "1e",       "1e+",
        "1E-2", "0x1p3", "0x",   "0xg",  "00012",  "1.5.5",  "--1",   " \n\t7",   "1,5",
        "3e x", "1e+x",  "0x1.8", "0x.8p1", ".e1", "-.e",    "1ee",   "0x1p",     "1.e3",
        "0X1P-2", "+",   "5x",   "0.5e-", "-0",    "12;",    "",      "   ",      "x1",
        "0.1",  "16777217", "-2147483648", "2147483647", "1e-50", "7\n8", "0xBEEF", "0xfa.Cp-1",
    };
    for (const char* text : texts) {
        T expected{};
        int used = 0;
        const bool converted = std::sscanf(text, format, &expected, &used) == 1;
        StringSource source(text);
        ScanfScanner scanner(source);
        T value{};
        ASSERT_EQ((scanner.*read)(value), converted) << text;
        if (!converted) continue;
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(rest(scanner), std::string(text + used)) << text;
    }
}

TEST(VectorFileScanner, NumbersAsSscanfReadsThem) {
    expectAsSscanf<float>("%f%n", &ScanfScanner::readFloat);
    expectAsSscanf<int>("%d%n", &ScanfScanner::readInt);
    // Where sscanf would give inf or nan, or wrap the integer, the reader refuses.
    for (const char* text : {"inf", "-infinity", "nan", "NAN(1)"}) {
        StringSource source(text);
        float value = 0.0f;
        EXPECT_FALSE(ScanfScanner(source).readFloat(value)) << text;
    }
    for (const char* text : {"2147483648", "-2147483649", "100000000000000000000"}) {
        StringSource source(text);
        ScanfScanner scanner(source);
        int value = 0;
        EXPECT_FALSE(scanner.readInt(value)) << text;
        EXPECT_EQ(rest(scanner), "") << text;
    }
}

TEST(VectorFileScanner, WordsAndComments) {
    const std::string w39(39, 'W');
    const std::string text = "  alpha\tb;c\n" + w39 + " " + w39 + "X tail; LINE_DDA\nnext";
    StringSource source(text);
    ScanfScanner scanner(source);
    std::string word;
    const std::pair<ScanfScanner::Word, std::string> words[] = {
        {ScanfScanner::Word::Read, "alpha"},
        {ScanfScanner::Word::Read, "b;c"},
        {ScanfScanner::Word::Read, w39},
        {ScanfScanner::Word::TooLong, ""},
        {ScanfScanner::Word::Read, "tail;"},
    };
    for (const auto& [kind, expected] : words) {
        EXPECT_EQ(scanner.readWord(word), kind);
        if (kind == ScanfScanner::Word::Read) {
            EXPECT_EQ(word, expected);
        }
    }
    scanner.skipLine();
    EXPECT_EQ(rest(scanner), "next");
    EXPECT_TRUE(scanner.atEnd());
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::None);
}

// The example scenes load whole, with the counts they were drawn with.
TEST(VectorFileExamples, EachLoadsCompletely) {
    const struct {
        const char* file;
        std::size_t objects2D, surfaces3D;
    } examples[] = {{"lines.pvf", 24, 0},  {"circles-ellipses.pvf", 11, 0},
                    {"cubics.pvf", 5, 0},  {"splines.pvf", 5, 0},
                    {"bsplines-nurbs.pvf", 7, 0}, {"surfaces.pvf", 0, 4},
                    {"everything.pvf", 24, 4}};
    for (const auto& e : examples) {
        ReadScene scene;
        const std::string path =
            (std::filesystem::path(__FILE__).parent_path() / "../../examples" / e.file).string();
        scene.report = readPvfFile(path.c_str(), scene.objects2D, scene.surfaces3D);
        EXPECT_EQ(scene.report.status, PvfReadReport::Status::Complete) << e.file;
        EXPECT_EQ(scene.report.blocksDropped, 0) << e.file;
        EXPECT_EQ(scene.objects2D.size(), e.objects2D) << e.file;
        EXPECT_EQ(scene.surfaces3D.size(), e.surfaces3D) << e.file;
    }
}

}  // namespace
