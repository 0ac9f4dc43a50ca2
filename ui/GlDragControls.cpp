#include "ui/GlDragControls.h"

#include <imgui.h>

#include <algorithm>

#include "ui/Arcball.h"

namespace {

constexpr float kLabelHeight = 16.0f;

struct Pad {
    ImVec2 min;  // screen position of the square's top-left corner
    float side;
    bool dragged;
};

// A square over the top of the row, the label centred below it.
Pad dragSquare(const ControlRect& r) {
    const float side = std::max(
        8.0f, std::min(static_cast<float>(r.height) - kLabelHeight, static_cast<float>(r.width)));
    const float left = static_cast<float>(r.x) + (static_cast<float>(r.width) - side) / 2;
    ImGui::SetCursorPos(ImVec2(left, static_cast<float>(r.y)));
    ImGui::InvisibleButton("##pad", ImVec2(side, side));
    const ImVec2 delta = ImGui::GetIO().MouseDelta;
    // The press's own frame moves nothing: the pointer may have jumped there from afar.
    const bool held = ImGui::IsItemActive() && !ImGui::IsItemActivated();
    const bool dragged = held && (delta.x != 0.0f || delta.y != 0.0f);
    const ImVec2 min = ImGui::GetItemRectMin();
    const char* label = r.control->label.c_str();
    const float textWidth = ImGui::CalcTextSize(label).x;
    ImGui::SetCursorPos(
        ImVec2(static_cast<float>(r.x) + (static_cast<float>(r.width) - textWidth) / 2,
               static_cast<float>(r.y) + side + 1));
    ImGui::TextUnformatted(label);
    return {min, side, dragged};
}

void arrow(ImDrawList* draw, ImVec2 tip, float dx, float dy, ImU32 color) {
    const float size = 5.0f;
    draw->AddTriangleFilled(
        tip, ImVec2(tip.x - dx * size - dy * size, tip.y - dy * size - dx * size),
        ImVec2(tip.x - dx * size + dy * size, tip.y - dy * size + dx * size), color);
}

}  // namespace

void rotationControl(Panel& panel, const ControlRect& r) {
    Control& c = *r.control;
    const Pad pad = dragSquare(r);
    if (pad.dragged && c.liveFloat != nullptr) {
        const ImVec2 mouse = ImGui::GetIO().MousePos;
        const ImVec2 delta = ImGui::GetIO().MouseDelta;
        const DragPoint to{mouse.x - pad.min.x, mouse.y - pad.min.y};
        float matrix[16];
        std::copy(c.liveFloat, c.liveFloat + 16, matrix);
        arcballTurn(matrix, {to.x - delta.x, to.y - delta.y}, to, pad.side, c.spin);
        panel.userSetMatrix(c, matrix);
    }
    // The ball, with the turned x, y and z axes seen from the front.
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const float radius = pad.side / 2;
    const ImVec2 centre(pad.min.x + radius, pad.min.y + radius);
    draw->AddCircleFilled(centre, radius, ImGui::GetColorU32(ImGuiCol_FrameBg), 32);
    draw->AddCircle(centre, radius, ImGui::GetColorU32(ImGuiCol_Border), 32);
    if (c.liveFloat == nullptr) return;
    const ImU32 colors[3] = {IM_COL32(200, 40, 40, 255), IM_COL32(40, 160, 40, 255),
                             IM_COL32(40, 40, 200, 255)};
    for (int axis = 0; axis < 3; ++axis) {
        const float* column = c.liveFloat + 4 * axis;
        const ImVec2 end(centre.x + 0.8f * radius * column[0],
                         centre.y - 0.8f * radius * column[1]);
        draw->AddLine(centre, end, colors[axis], 2.0f);
    }
}

void translationControl(Panel& panel, const ControlRect& r) {
    Control& c = *r.control;
    const Pad pad = dragSquare(r);
    if (pad.dragged) {
        const ImVec2 delta = ImGui::GetIO().MouseDelta;
        panel.userTranslate(c, delta.x, -delta.y);  // up is positive, as in the view
    }
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImVec2 max(pad.min.x + pad.side, pad.min.y + pad.side);
    draw->AddRectFilled(pad.min, max, ImGui::GetColorU32(ImGuiCol_FrameBg), 3.0f);
    draw->AddRect(pad.min, max, ImGui::GetColorU32(ImGuiCol_Border), 3.0f);
    const ImU32 ink = ImGui::GetColorU32(ImGuiCol_Text);
    const float half = pad.side / 2, reach = pad.side * 0.4f;
    const ImVec2 centre(pad.min.x + half, pad.min.y + half);
    const bool across = c.translation == TranslationKind::XY || c.translation == TranslationKind::X;
    const bool upDown = c.translation != TranslationKind::X;
    if (across) {
        draw->AddLine(ImVec2(centre.x - reach, centre.y), ImVec2(centre.x + reach, centre.y), ink);
        arrow(draw, ImVec2(centre.x + reach, centre.y), 1, 0, ink);
        arrow(draw, ImVec2(centre.x - reach, centre.y), -1, 0, ink);
    }
    if (upDown) {
        draw->AddLine(ImVec2(centre.x, centre.y - reach), ImVec2(centre.x, centre.y + reach), ink);
        arrow(draw, ImVec2(centre.x, centre.y - reach), 0, -1, ink);
        arrow(draw, ImVec2(centre.x, centre.y + reach), 0, 1, ink);
    }
}
