// The cost of one frame of the 2D panel with every rollout open: the ImGui frame and its
// drawing by llvmpipe into an off-screen Mesa context of the panel's size.
#include <GL/osmesa.h>
#include <benchmark/benchmark.h>
#include <imgui.h>
#include <imgui_impl_opengl2.h>

#include <vector>

#include "ui/GlPanelRenderer.h"
#include "ui/Panel2D.h"
#include "ui/PanelMaster.h"

namespace {

struct PanelScene {
    Scene scene;
    Settings2D settings;
    EditorColors colors;
    PanelMirrors mirrors;
    Render3D render;
    View3D view;
    EditState editing;
    TextureTable textures;
};

void panelFrame(benchmark::State& state) {
    const int width = kRightPanelWidth;
    const int height = 592;  // the window's; rows below it are clipped as on screen
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 4));
    OSMesaContext gl = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    OSMesaMakeCurrent(gl, pixels.data(), GL_UNSIGNED_BYTE, width, height);
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(float(width), float(height));
    ImGui_ImplOpenGL2_Init();

    PanelScene s;
    PanelMaster master;
    master.setWindowSize(800, height);
    Panel& panel = master.createSubwindow(1, PanelSide::Right, [](int) {});
    buildPanel2D(
        panel, {s.scene, s.settings, s.colors, s.mirrors, s.render, s.view, s.editing, s.textures});
    for (Control* c : panel.controls())
        if (c->type == ControlType::Rollout) c->open = true;
    for (auto _ : state) {
        io.DeltaTime = 1.0f / 60.0f;
        ImGui_ImplOpenGL2_NewFrame();
        ImGui::NewFrame();
        drawPanel(panel, master.layoutOf(panel));
        ImGui::Render();
        glViewport(0, 0, width, height);
        glClear(GL_COLOR_BUFFER_BIT);
        ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
        glFinish();
    }
    state.counters["controls"] = static_cast<double>(panel.controls().size());
    ImGui_ImplOpenGL2_Shutdown();
    ImGui::DestroyContext();
    OSMesaDestroyContext(gl);
}
BENCHMARK(panelFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
