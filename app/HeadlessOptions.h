#pragma once

#include <string>

#include "app/StartSettings.h"
#include "io/ImageFiles.h"

// What a command line with options asks for: a picture or the timings of a scene, made
// without a screen, or the help or version text.
enum class HeadlessTask { None, Render, Bench, Help, Version };

struct HeadlessOptions {
    HeadlessTask task = HeadlessTask::None;
    std::string scene;
    std::string output;
    ImageFormat format = ImageFormat::Png;
    int width = kStartWidth;
    int height = kStartHeight;
    int pixelSize = 1;
    int segments = 100;
    bool grid = false;
    int repeat = 100;
    bool csv = false;
};

struct ParsedOptions {
    HeadlessOptions options;
    std::string problem;  // one line naming what is wrong; empty when nothing is
};

// Options are the arguments that begin with "--"; without any, the window starts as always.
bool hasOptions(int argc, const char* const* argv);
ParsedOptions parseOptions(int argc, const char* const* argv);

extern const char* const kUsage;
extern const char* const kHelp;
