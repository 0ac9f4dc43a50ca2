#include "app/HeadlessOptions.h"

#include <cstring>
#include <vector>

const char* const kUsage =
    "usage: pixelforge [SCENE.pvf] | --render SCENE OUT [options] | --bench SCENE [options] | "
    "--help | --version";

const char* const kHelp =
    "PIXELFORGE 1.0, a teaching workbench for raster graphics algorithms\n"
    "\n"
    "  pixelforge [SCENE.pvf]              the window, with the scene when one is named\n"
    "  pixelforge --render SCENE OUT [..]  the 2D view of the scene as the window shows it after\n"
    "                                      the start image, written to OUT (.png, .bmp or .tga)\n"
    "  pixelforge --bench SCENE [..]       the time of every object's algorithm, alone into a\n"
    "                                      counting target and with its pixels sent to OpenGL\n"
    "  pixelforge --help | --version\n"
    "\n"
    "  --size WxH        window size, 16 to 4096 a side (800x592); as in the window, each side\n"
    "                    is taken down to a multiple of 16\n"
    "  --pixel-size N    size of the point that shows a pixel, 1 to 10 (1)\n"
    "  --segments N      chords per curve segment, 1 to 200 (100)\n"
    "  --grid            the raster grid (--render only)\n"
    "  --repeat N        timed runs per figure, 1 to 100000 (100; --bench only)\n"
    "  --csv             comma-separated values, the clock line on standard error (--bench only)\n"
    "\n"
    "--render and --bench need no X display. Exit status: 0 done, 1 a scene that cannot be\n"
    "read or a picture that cannot be written, 2 a wrong command line.\n";

namespace {

using Values = const char* const*;
// Takes the option's values into the options; the problem, or "" when they are good.
using Apply = std::string (*)(HeadlessOptions&, Values);

struct KnownOption {
    const char* name;
    int valueCount;
    const char* valueNames;
    HeadlessTask onlyWith;  // None: any task
    Apply apply;
};

// Digits only, at most nine of them, within [low, high].
bool wholeNumber(const std::string& text, int low, int high, int& out) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int value = std::stoi(text);
    if (value < low || value > high) return false;
    out = value;
    return true;
}

template <int Low, int High, int HeadlessOptions::*Field>
std::string number(HeadlessOptions& o, Values v) {
    if (wholeNumber(v[0], Low, High, o.*Field)) return "";
    return "takes a whole number from " + std::to_string(Low) + " to " + std::to_string(High) +
           ", not " + v[0];
}

std::string size(HeadlessOptions& o, Values v) {
    const std::string text = v[0];
    const std::size_t x = text.find_first_of("xX");
    if (x != std::string::npos && wholeNumber(text.substr(0, x), 16, 4096, o.width) &&
        wholeNumber(text.substr(x + 1), 16, 4096, o.height))
        return "";
    return "takes WxH with each side from 16 to 4096, not " + text;
}

std::string chooseTask(HeadlessOptions& o, HeadlessTask t) {
    if (o.task != HeadlessTask::None)
        return "is one task too many: give one of --render, --bench, --help, --version";
    o.task = t;
    return "";
}

template <HeadlessTask Task>
std::string task(HeadlessOptions& o, Values) {
    return chooseTask(o, Task);
}

template <bool HeadlessOptions::*Field>
std::string flag(HeadlessOptions& o, Values) {
    o.*Field = true;
    return "";
}

std::string render(HeadlessOptions& o, Values v) {
    o.scene = v[0];
    o.output = v[1];
    const std::optional<ImageFormat> format = imageFormatFor(o.output);
    if (!format)
        return "cannot tell a picture format from " + o.output + ": end it in .png, .bmp or .tga";
    o.format = *format;
    return chooseTask(o, HeadlessTask::Render);
}

std::string bench(HeadlessOptions& o, Values v) {
    o.scene = v[0];
    return chooseTask(o, HeadlessTask::Bench);
}

constexpr HeadlessTask kAny = HeadlessTask::None;
const KnownOption kOptions[] = {
    {"--render", 2, "SCENE and OUT", kAny, render},
    {"--bench", 1, "SCENE", kAny, bench},
    {"--help", 0, "", kAny, task<HeadlessTask::Help>},
    {"--version", 0, "", kAny, task<HeadlessTask::Version>},
    {"--size", 1, "WxH", kAny, size},
    {"--pixel-size", 1, "N", kAny, number<1, 10, &HeadlessOptions::pixelSize>},
    {"--segments", 1, "N", kAny, number<1, 200, &HeadlessOptions::segments>},
    {"--grid", 0, "", HeadlessTask::Render, flag<&HeadlessOptions::grid>},
    {"--repeat", 1, "N", HeadlessTask::Bench, number<1, 100000, &HeadlessOptions::repeat>},
    {"--csv", 0, "", HeadlessTask::Bench, flag<&HeadlessOptions::csv>},
};

const KnownOption* findOption(const char* name) {
    for (const KnownOption& known : kOptions) {
        if (std::strcmp(known.name, name) == 0) return &known;
    }
    return nullptr;
}

bool isOption(const char* arg) { return std::strncmp(arg, "--", 2) == 0; }

// The `count` arguments after `at` are there and none of them is an option.
bool valuesFollow(int argc, const char* const* argv, int at, int count) {
    if (at + count >= argc) return false;
    for (int k = 1; k <= count; ++k) {
        if (isOption(argv[at + k])) return false;
    }
    return true;
}

// Help and version take any other option; a drawing task only its own.
std::string taskProblem(const HeadlessOptions& o, const std::vector<const KnownOption*>& given) {
    if (o.task == HeadlessTask::None)
        return "nothing to do: give --render, --bench, --help or --version";
    if (o.task != HeadlessTask::Render && o.task != HeadlessTask::Bench) return "";
    for (const KnownOption* known : given) {
        if (known->onlyWith != kAny && known->onlyWith != o.task)
            return std::string(known->name) + " goes only with " +
                   (known->onlyWith == HeadlessTask::Render ? "--render" : "--bench");
    }
    return "";
}

}  // namespace

bool hasOptions(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (isOption(argv[i])) return true;
    }
    return false;
}

ParsedOptions parseOptions(int argc, const char* const* argv) {
    ParsedOptions parsed;
    HeadlessOptions& o = parsed.options;
    std::vector<const KnownOption*> given;
    for (int i = 1; i < argc; ++i) {
        const KnownOption* known = findOption(argv[i]);
        if (known == nullptr) {
            parsed.problem = (isOption(argv[i]) ? "unknown option " : "unexpected argument ") +
                             std::string(argv[i]);
            return parsed;
        }
        if (!valuesFollow(argc, argv, i, known->valueCount)) {
            parsed.problem = std::string(known->name) + " needs " + known->valueNames;
            return parsed;
        }
        const std::string problem = known->apply(o, argv + i + 1);
        if (!problem.empty()) {
            parsed.problem = std::string(known->name) + " " + problem;
            return parsed;
        }
        given.push_back(known);
        i += known->valueCount;
    }
    parsed.problem = taskProblem(o, given);
    return parsed;
}
