#pragma once

#include <ostream>
#include <streambuf>
#include <vector>

#include "app/Application.h"
#include "raster2d/RasterTarget.h"

// The application as the program builds it, with the benchmark scene loaded and the start
// image already clicked away, drawing through the given raster target and overlays. The
// speed listing is formatted as usual and then dropped.
class FrameScene {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 592;

    FrameScene(RasterTarget& raster, FrameOverlays& overlays)
        : FrameScene(PIXELFORGE_SOURCE_DIR "/bench/frame-100k.pvf", raster, overlays, recorded3D,
                     countedMesh) {}
    // A scene of patches drawn through the given 3D targets.
    FrameScene(const char* scene, RasterTarget& raster, FrameOverlays& overlays,
               Render3DTarget& render3D, MeshTarget& mesh)
        : console(&discard),
          app(scene, false, 0, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
              AppServices{console, window, raster, overlays, render3D, mesh, &console, nullptr}) {
        app.screens.showLogo = false;
    }

    // The display pass of one frame: clear, overlays, scene, speed listing, swap.
    void display() { app.display(); }
    std::size_t objectCount() const { return app.scene.objects2D.size(); }
    Application& application() { return app; }

  private:
    class Discard final : public std::streambuf {
        int overflow(int c) override { return c; }
    };
    class NoWindow final : public WindowSystem {
      public:
        void postRedisplay() override {}
        void setCursor(Cursor) override {}
        int modifiers() override { return 0; }
        int currentWindow() override { return 1; }
        void setWindow(int) override {}
        void reshapeWindow(int, int) override {}
        CellSize windowSize() override { return {kWidth, kHeight}; }
        void setTitle(const char*) override {}
        CellSize viewportCells() override { return {kWidth, kHeight}; }
        void exitProcess(int) override {}
    };

    Discard discard;
    std::ostream console;
    NoWindow window;
    RecordingRender3DTarget recorded3D;  // the 2D scene draws no patches
    CountingMeshTarget countedMesh;
    Application app;
};

// Every point of one frame of the scene, in emission order.
inline std::vector<PlottedPoint> framePoints(FrameOverlays& overlays) {
    RecordingTarget record;
    FrameScene scene(record, overlays);
    scene.display();
    return record.points;
}
