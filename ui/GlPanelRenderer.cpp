#include "ui/GlPanelRenderer.h"

#include <imgui.h>

#include <algorithm>
#include <cstring>

#include "ui/GlDragControls.h"

namespace {

constexpr float kFieldWidth = 110.0f;
constexpr float kRowHeight = 20.0f;
const ImGuiWindowFlags kWholeWindow = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                      ImGuiWindowFlags_NoSavedSettings |
                                      ImGuiWindowFlags_NoBringToFrontOnFocus;
// Numbers are taken on Enter, so a half-typed value never reaches the scene.
const ImGuiInputTextFlags kOnEnter = ImGuiInputTextFlags_EnterReturnsTrue;

// GLUI puts a field's label to its left; the field fills the rest of the row.
void labelled(const ControlRect& r, float fieldWidth) {
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(r.control->label.c_str());
    const float fieldX = static_cast<float>(r.x + r.width) - fieldWidth;
    ImGui::SameLine();
    ImGui::SetCursorPosX(std::max(ImGui::GetCursorPosX(), fieldX));
    ImGui::SetNextItemWidth(static_cast<float>(r.x + r.width) - ImGui::GetCursorPosX());
}

void frame(const ControlRect& r) {
    const ImVec2 origin = ImGui::GetWindowPos();
    const ImVec2 a(origin.x + static_cast<float>(r.x), origin.y + static_cast<float>(r.y) + 9);
    const ImVec2 b(origin.x + static_cast<float>(r.x + r.width),
                   origin.y + static_cast<float>(r.y + r.height));
    ImGui::GetWindowDrawList()->AddRect(a, b, ImGui::GetColorU32(ImGuiCol_Border), 3.0f);
    ImGui::SetCursorPosX(static_cast<float>(r.x + 8));
    ImGui::TextUnformatted(r.control->label.c_str());
}

void separator(const ControlRect& r) {
    const ImVec2 origin = ImGui::GetWindowPos();
    const float y = origin.y + static_cast<float>(r.y) + 4;
    ImGui::GetWindowDrawList()->AddLine(ImVec2(origin.x + static_cast<float>(r.x), y),
                                        ImVec2(origin.x + static_cast<float>(r.x + r.width), y),
                                        ImGui::GetColorU32(ImGuiCol_Separator));
}

void columnBar(const ControlRect& r) {
    const ImVec2 origin = ImGui::GetWindowPos();
    const float x = origin.x + static_cast<float>(r.x);
    ImGui::GetWindowDrawList()->AddLine(ImVec2(x, origin.y + static_cast<float>(r.y)),
                                        ImVec2(x, origin.y + static_cast<float>(r.y + r.height)),
                                        ImGui::GetColorU32(ImGuiCol_Separator));
}

void textField(Panel& panel, const ControlRect& r) {
    Control& c = *r.control;
    char buffer[512];
    const std::size_t room =
        c.liveTextSize > 0 ? std::min(sizeof buffer, c.liveTextSize) : sizeof buffer;
    std::strncpy(buffer, c.text.c_str(), room - 1);
    buffer[room - 1] = '\0';
    labelled(r, static_cast<float>(std::max(c.width, 100)));
    if (ImGui::InputText("##v", buffer, room)) panel.userSetText(c, buffer);
}

void listBox(Panel& panel, const ControlRect& r) {
    Control& c = *r.control;
    labelled(r, kFieldWidth);
    if (!ImGui::BeginCombo("##v", c.itemText(c.intValue).c_str())) return;
    for (const auto& [id, name] : c.items) {
        if (ImGui::Selectable(name.c_str(), id == c.intValue)) panel.userSetInt(c, id);
    }
    ImGui::EndCombo();
}

void control(Panel& panel, const ControlRect& r) {
    Control& c = *r.control;
    switch (c.type) {
        case ControlType::StaticText:
            ImGui::TextUnformatted(c.label.c_str());
            break;
        case ControlType::Separator:
            separator(r);
            break;
        case ControlType::Panel:
            frame(r);
            break;
        case ControlType::Rollout: {
            ImGui::SetNextItemOpen(c.open, ImGuiCond_Always);
            if (ImGui::CollapsingHeader(c.label.c_str()) != c.open) panel.userToggle(c);
            break;
        }
        case ControlType::Button:
            if (ImGui::Button(c.label.c_str(), ImVec2(static_cast<float>(r.width), kRowHeight)))
                panel.userClick(c);
            break;
        case ControlType::Checkbox: {
            bool on = c.intValue != 0;
            if (ImGui::Checkbox(c.label.c_str(), &on)) panel.userSetInt(c, on ? 1 : 0);
            break;
        }
        case ControlType::IntSpinner: {
            int v = c.intValue;
            labelled(r, kFieldWidth);
            if (ImGui::InputInt("##v", &v, 1, 10, kOnEnter)) panel.userSetInt(c, v);
            break;
        }
        case ControlType::FloatSpinner: {
            float v = c.floatValue;
            labelled(r, kFieldWidth);
            if (ImGui::InputFloat("##v", &v, 0.1f, 1.0f, "%.3f", kOnEnter))
                panel.userSetFloat(c, v);
            break;
        }
        case ControlType::TextEdit:
            textField(panel, r);
            break;
        case ControlType::FloatEdit: {
            float v = c.floatValue;
            labelled(r, kFieldWidth);
            if (ImGui::InputFloat("##v", &v, 0.0f, 0.0f, "%.6f", kOnEnter))
                panel.userSetFloat(c, v);
            break;
        }
        case ControlType::ListBox:
            listBox(panel, r);
            break;
        case ControlType::Rotation:
            rotationControl(panel, r);
            break;
        case ControlType::Translation:
            translationControl(panel, r);
            break;
        case ControlType::Column:
            columnBar(r);
            break;
    }
}

}  // namespace

void drawPanel(Panel& panel, const PanelLayout& layout) {
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(ImGui::GetIO().DisplaySize);
    ImGui::Begin("panel", nullptr, kWholeWindow);
    for (const ControlRect& r : layout.rows) {
        ImGui::PushID(r.control);
        ImGui::SetCursorPos(ImVec2(static_cast<float>(r.x), static_cast<float>(r.y)));
        ImGui::BeginDisabled(!r.control->enabled);
        control(panel, r);
        ImGui::EndDisabled();
        ImGui::PopID();
    }
    ImGui::End();
}
