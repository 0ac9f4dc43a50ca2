#include <gtest/gtest.h>

#include "Support.h"
#include "input/ViewQueries.h"

namespace {

using Calls = std::vector<std::string>;

Calls frameOf(AppFixture& f) {
    f.overlays.calls.clear();
    f.app.display();
    return f.overlays.calls;
}

// What a frame draws and in which order, decided without GL.
TEST(Frame, DrawsTheOverlaysOfItsModeInOrder) {
    AppFixture f;
    f.app.textures.logoTexture = 7;
    f.app.textures.endTexture = 8;
    f.add(kLineDDA, {{1, 1}, {9, 4}});
    f.app.settings2D.pixelSize = 3;
    EXPECT_EQ(frameOf(f), (Calls{"clear", "point 3", "axes", "logo 7", "swap", "2D 800x592"}));

    f.app.screens.showLogo = false;
    f.app.settings2D.showGrid = 1;
    f.app.screens.exitScreen = 1;
    const std::size_t plotsBefore = f.target.points.size();
    EXPECT_EQ(frameOf(f),
              (Calls{"clear", "point 3", "grid", "axes", "end 8", "swap", "2D 800x592"}));
    EXPECT_GT(f.target.points.size(), plotsBefore);  // the scene pass ran under the end image

    f.app.settings2D.showAxes = 0;
    f.app.settings2D.showGrid = 0;
    f.app.screens.exitScreen = 0;
    EXPECT_EQ(frameOf(f), (Calls{"clear", "point 3", "swap", "2D 800x592"}));

    // 3D: the end image, then the 3D projection back at once and again after the swap.
    f.app.mode.is3D = true;
    f.app.screens.exitScreen = 1;
    EXPECT_EQ(frameOf(f), (Calls{"clear", "point 3", "end 8", "3D", "swap", "3D"}));
}

TEST(Frame, StartImageAnimatesAndAsksForTheNextFrameWithAnEmptyListing) {
    AppFixture f;
    f.takeConsole();
    const int redisplays = f.window.redisplays;
    f.app.display();
    f.app.display();
    EXPECT_EQ(f.takeConsole(), "\n\n");
    EXPECT_EQ(f.window.redisplays, redisplays + 2);
    EXPECT_EQ(f.app.screens.logoFrame, 2);
    f.app.screens.showLogo = false;
    f.app.display();
    EXPECT_EQ(f.app.screens.logoFrame, 2);
    EXPECT_EQ(f.window.redisplays, redisplays + 2);
}

TEST(Frame, ListingBlockOfAFrameEndsWithAnEmptyLine) {
    AppFixture f;
    f.app.screens.showLogo = false;
    f.add(kLineBresenham, {{0, 0}, {3, 1}});
    f.takeConsole();
    f.app.display();
    const std::string block = f.takeConsole();
    EXPECT_EQ(block.rfind("-> Usecka Bresenham algoritmus : ", 0), 0u) << block;
    EXPECT_EQ(block.substr(block.size() - 2), "\n\n");
}

TEST(Frame, GridLinesEveryTenUnitsBelowTheViewSize) {
    AppFixture f;
    f.window.cells = {25, 11};
    f.app.drawGrid(0.7f, 0.7f, 0.7f);
    const std::vector<std::array<float, 4>> expected = {
        {0, 0, 25, 0}, {0, 10, 25, 10}, {0, 0, 0, 11}, {10, 0, 10, 11}, {20, 0, 20, 11}};
    ASSERT_EQ(f.overlays.grid.segments.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Segment2D& s = f.overlays.grid.segments[i];
        EXPECT_EQ((std::array<float, 4>{s.x1, s.y1, s.x2, s.y2}), expected[i]) << i;
    }
    EXPECT_EQ(f.overlays.grid.color.g, 0.7f);
}

TEST(Frame, ReshapeSnapsTheWindowAndSetsTheProjectionOfTheMode) {
    AppFixture f;
    f.app.reshape(805, 600);
    ASSERT_EQ(f.window.reshapes.size(), 1u);
    EXPECT_EQ(f.window.reshapes[0].width, 800);
    EXPECT_EQ(f.window.reshapes[0].height, 592);
    EXPECT_EQ(f.overlays.calls.back(), "2D 800x592");
    f.app.reshape(800, 592);
    EXPECT_EQ(f.window.reshapes.size(), 1u);  // no round trip for a size that fits

    f.app.mode.is3D = true;
    f.app.view3D.zoom = 40.0f;
    f.app.view3D.panX = -10.0f;
    f.app.view3D.panY = 2.5f;
    f.app.reshape(800, 592);
    const OrthoBox& b = f.overlays.box;
    EXPECT_EQ((std::array<double, 6>{b.left, b.right, b.bottom, b.top, b.nearZ, b.farZ}),
              (std::array<double, 6>{-30, 50, -42.5, 37.5, -1000, 1000}));
}

// The panel's strip stays outside the view, which keeps its origin at the lower left.
TEST(Frame, ViewportLeavesThePanelStripFree) {
    AppFixture f;
    f.app.buildPanel2D(1);
    f.app.reshape(800, 592);
    EXPECT_EQ(f.overlays.calls.back(), "2D 550x592");
    EXPECT_EQ(f.overlays.viewportY, 0);
    f.app.panelCommand(10);
    f.app.display();
    EXPECT_EQ(f.overlays.calls.back(), "2D 800x592");
    f.app.onMainMenu2D(5);  // 3D: the view panel takes a strip along the foot
    EXPECT_EQ(std::tuple(f.overlays.view.width, f.overlays.view.height, f.overlays.viewportY),
              std::tuple(550, 452, 140));
}

// Red x axis with its letter, then the green y axis with its letter, in window units.
TEST(Frame, AxisCrossSegments) {
    std::vector<std::array<float, 4>> lines;
    for (const LineBatch& b : axisCross2D())
        for (const Segment2D& s : b.segments)
            lines.push_back({s.x1, s.y1, s.x2, s.y2});
    EXPECT_EQ(lines, (std::vector<std::array<float, 4>>{{10, 10, 60, 10},
                                                        {60, 15, 50, 28},
                                                        {60, 28, 50, 15},
                                                        {10, 10, 10, 60},
                                                        {15, 60, 20, 51},
                                                        {25, 60, 20, 51},
                                                        {20, 51, 20, 43}}));
    EXPECT_EQ(axisCross2D()[1].color.g, 1.0f);
}

TEST(Frame, EndImageIsCentredOnTheViewport) {
    AppFixture f;
    f.overlays.view = {801, 593};
    f.app.screens.exitScreen = 1;
    f.app.drawFrame();
    EXPECT_EQ(f.overlays.endRect.x, 250);
    EXPECT_EQ(f.overlays.endRect.y, 251);
    EXPECT_EQ(f.overlays.endRect.width, 157);
    EXPECT_EQ(f.overlays.endRect.height, 91);
}

// Records of four words: name count, minimum depth, maximum depth, name.
TEST(Picking, NearestHitHasTheSmallestMinimumDepthAndTheEarlierOneOnATie) {
    const std::vector<uint32_t> buffer = {1, 900, 5, 3,  1, 0x80000000u, 0, 7,
                                          1, 400, 9, 11, 1, 400,         1, 12};
    EXPECT_EQ(nearestHit(buffer, 0), -1);
    EXPECT_EQ(nearestHit(buffer, -1), -1);
    EXPECT_EQ(nearestHit(buffer, 1), 3);
    EXPECT_EQ(nearestHit(buffer, 2), 3);   // depths compare as unsigned
    EXPECT_EQ(nearestHit(buffer, 4), 11);  // 400 twice: the earlier record
    EXPECT_EQ(nearestHit(buffer, 9), 11);  // a count beyond the buffer reads what is there
}

}  // namespace
