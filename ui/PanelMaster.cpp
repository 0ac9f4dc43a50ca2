#include "ui/PanelMaster.h"

#include <algorithm>
#include <fstream>

void PanelMaster::setWindowSize(int width, int height) {
    if (width == windowWidth && height == windowHeight) return;
    windowWidth = width;
    windowHeight = height;
    writeLayoutFile();
}

Panel& PanelMaster::createSubwindow(int mainWindow, PanelSide side, PanelCallback callback) {
    owned.push_back(std::make_unique<Panel>(side, std::move(callback)));
    Panel& panel = *owned.back();
    panel.setMainGfxWindow(mainWindow);
    panel.onLayoutChange = [this, &panel] { layoutChanged(panel); };
    panel.onUserChange = [this, &panel](Control& c) {
        if (host != nullptr) host->edited(panel, c);
    };
    if (host != nullptr) host->opened(panel);
    return panel;
}

void PanelMaster::closeAll() {
    for (auto& panel : owned) {
        panel->onLayoutChange = nullptr;
        panel->onUserChange = nullptr;
        panel->close();
        if (host != nullptr) host->closed(*panel);
        retired.push_back(std::move(panel));
    }
    owned.clear();
    writeLayoutFile();
}

void PanelMaster::collectClosed() {
    for (auto& panel : retired) {
        if (host != nullptr) host->destroyed(*panel);
    }
    retired.clear();
}

void PanelMaster::syncLiveAll() {
    for (auto& panel : owned)
        panel->syncLive();
}

int PanelMaster::rightStrip() const {
    const bool any = std::any_of(owned.begin(), owned.end(), [](const auto& p) {
        return p->visible() && p->side == PanelSide::Right;
    });
    return any ? kRightPanelWidth : 0;
}

int PanelMaster::bottomStrip() const {
    const bool any = std::any_of(owned.begin(), owned.end(), [](const auto& p) {
        return p->visible() && p->side == PanelSide::Bottom;
    });
    return any ? kBottomPanelHeight : 0;
}

PanelLayout PanelMaster::layoutOf(Panel& panel) {
    const int width =
        panel.side == PanelSide::Right ? kRightPanelWidth : windowWidth - rightStrip();
    PanelLayout layout = layoutPanel(panel, width);
    if (panel.side == PanelSide::Right) layout.height = std::max(layout.height, windowHeight);
    if (panel.side == PanelSide::Bottom) layout.height = kBottomPanelHeight;
    return layout;
}

int PanelMaster::originX(const Panel& panel) const {
    return panel.side == PanelSide::Right ? windowWidth - kRightPanelWidth : 0;
}

int PanelMaster::originY(const Panel& panel) const {
    return panel.side == PanelSide::Bottom ? windowHeight - kBottomPanelHeight : 0;
}

std::vector<Panel*> PanelMaster::panels() {
    std::vector<Panel*> all;
    for (auto& p : owned)
        all.push_back(p.get());
    return all;
}

void PanelMaster::layoutChanged(Panel& panel) {
    if (host != nullptr) host->changed(panel);
    writeLayoutFile();
}

void PanelMaster::writeLayoutFile() {
    if (layoutPath.empty()) return;  // nothing costs time without a layout file
    std::string text;
    for (auto& panel : owned) {
        if (panel->visible())
            text += layoutLines(layoutOf(*panel), originX(*panel), originY(*panel));
    }
    if (text == lastLayout) return;
    lastLayout = text;
    std::ofstream(layoutPath, std::ios::trunc) << text;
}
