#pragma once

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FakeWindowSystem.h"
#include "app/Application.h"
#include "app/FrameSource.h"
#include "raster2d/RasterTarget.h"

// A fixed picture; or, when `allocationFails`, the answer of a machine out of memory.
class FakeFrameSource final : public FrameSource {
  public:
    bool readFrame(RgbFrame& frame) override {
        ++reads;
        if (allocationFails || !frame.allocate(width, height)) return false;
        for (std::size_t i = 0; i < frame.size(); ++i)
            frame.data()[i] = rgb.at(i);
        return true;
    }

    void setPicture(int w, int h, std::vector<uint8_t> bytes) {
        width = w;
        height = h;
        rgb = std::move(bytes);
    }

    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    bool allocationFails = false;
    int reads = 0;
};

// An application wired to fakes, its console and error stream captured.
struct SaveCommandsApp {
    explicit SaveCommandsApp(const char* sceneFile = nullptr) {
        AppServices services{console, window, raster};
        services.errors = &errors;
        services.frames = &frames;
        app = std::make_unique<Application>(sceneFile, false, 0, Rgb{1, 0, 0}, Rgb{1, 0, 1},
                                            Rgb{0, 0, 1}, services);
    }

    void setFileName(const std::string& name) {
        std::strncpy(app->fileName, name.c_str(), sizeof app->fileName - 1);
        app->fileName[sizeof app->fileName - 1] = '\0';
    }

    // What the console got since the last call.
    std::string newConsole() {
        const std::string all = console.str();
        const std::string fresh = all.substr(seen);
        seen = all.size();
        return fresh;
    }

    std::ostringstream console;
    std::ostringstream errors;
    FakeWindowSystem window;
    RecordingTarget raster;
    FakeFrameSource frames;
    std::unique_ptr<Application> app;
    std::size_t seen = 0;
};
