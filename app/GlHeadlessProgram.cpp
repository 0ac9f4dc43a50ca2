#include "app/GlHeadlessProgram.h"

#include <iostream>

#include "app/Application.h"
#include "app/BenchReport.h"
#include "app/GlOffscreenWindow.h"
#include "app/GlOverlays.h"
#include "app/GlRasterTarget.h"
#include "app/HeadlessOptions.h"
#include "io/PvfReader.h"
#include "surfaces/GlMeshTarget.h"
#include "surfaces/GlRender3D.h"

namespace {

constexpr const char* kProgram = "pixelforge: ";
constexpr bool kIn3D = false;  // the 3D view renders here once the program draws patches

int failure(const std::string& what) {
    std::cerr << kProgram << what << std::endl;
    return 1;
}

// The application as the window program builds it, on a window in memory; its console, the
// banner and the speed listing, goes nowhere.
struct OffscreenApp {
    explicit OffscreenApp(const HeadlessOptions& o)
        : app(nullptr, kIn3D, o.grid ? 1 : 0, kStartObjectColor, kStartPolygonColor,
              kStartControlColor,
              {quiet, window, raster, overlays, render3D, mesh, &std::cerr, &window}) {}

    GlOffscreenWindow window;
    GlRasterTarget raster;
    GlOverlays overlays;
    GlRender3D render3D;
    GlMeshTarget mesh;
    std::ostream quiet{nullptr};
    Application app;
};

bool loadScene(const std::string& path, Scene& scene) {
    const PvfReadReport report = readPvfFile(path.c_str(), scene.objects2D, scene.surfaces3D);
    if (report.status != PvfReadReport::Status::Complete) {
        failure("cannot read the scene " + path +
                (report.errorText.empty() ? "" : ": " + report.errorText));
        return false;
    }
    if (report.blocksDropped > 0) {
        std::cerr << kProgram << path << ": " << report.blocksDropped << " damaged blocks left out"
                  << std::endl;
    }
    return true;
}

// One frame as the window draws it after the start image, with the scene and settings of the
// command line; false, with its line said, when there is no context or no scene.
bool drawFirstFrame(OffscreenApp& s, const HeadlessOptions& o) {
    if (!loadScene(o.scene, s.app.scene)) return false;
    if (!s.window.open(o.width, o.height, kClearColor)) {
        failure("OSMesa gives no off-screen OpenGL context");
        return false;
    }
    Application& app = s.app;
    app.screens.showLogo = false;
    app.settings2D.pixelSize = o.pixelSize;
    app.settings2D.segments = o.segments;
    app.algorithms.curveAlgo.sampleCount = o.segments + 1;
    app.reshape(o.width, o.height);  // as GLUT does once the window exists
    app.drawFrame();
    return true;
}

int render(const HeadlessOptions& o) {
    OffscreenApp s(o);
    if (!drawFirstFrame(s, o)) return 1;
    RgbFrame frame;
    if (!s.window.readFrame(frame)) return failure("no memory for the picture");
    const std::vector<uint8_t> bytes = encodeImage(o.format, frame.pixels());
    if (bytes.empty() || !writeWholeFile(o.output, bytes))
        return failure("cannot write " + o.output);
    return 0;
}

int bench(const HeadlessOptions& o) {
    OffscreenApp s(o);
    if (!drawFirstFrame(s, o)) return 1;
    CountingTarget counter;
    Algorithms computing(counter, o.segments + 1);
    BenchRig rig{computing, counter, s.app.algorithms, [&s] { s.window.finish(); }};
    const std::vector<BenchRow> rows = benchScene(s.app.scene.objects2D, rig, o.repeat);
    if (o.csv) {
        writeBenchCsv(std::cout, rows);
        std::cerr << benchClockLine(o.repeat) << std::endl;
    } else {
        writeBenchTable(std::cout, rows);
        std::cout << benchClockLine(o.repeat) << std::endl;
    }
    return 0;
}

}  // namespace

int runHeadlessProgram(int argc, const char* const* argv) {
    const ParsedOptions parsed = parseOptions(argc, argv);
    const HeadlessOptions& o = parsed.options;
    if (!parsed.problem.empty()) {
        std::cerr << kProgram << parsed.problem << '\n' << kUsage << std::endl;
        return 2;
    }
    switch (o.task) {
        case HeadlessTask::Render:
            return render(o);
        case HeadlessTask::Bench:
            return bench(o);
        case HeadlessTask::Help:
            std::cout << kHelp;
            return 0;
        case HeadlessTask::Version:
            std::cout << "pixelforge 1.0" << std::endl;
            return 0;
        case HeadlessTask::None:
            break;
    }
    return 2;
}
