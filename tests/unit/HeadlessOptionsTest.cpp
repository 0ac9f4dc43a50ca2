#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/HeadlessOptions.h"

namespace {

// The task, the files and every setting in one line, or the problem when there is one.
std::string outcome(std::vector<const char*> args) {
    args.insert(args.begin(), "pixelforge");
    const ParsedOptions p = parseOptions(static_cast<int>(args.size()), args.data());
    if (!p.problem.empty()) return p.problem;
    const HeadlessOptions& o = p.options;
    const char* const tasks[] = {"none", "render", "bench", "help", "version"};
    const char* const formats[] = {"png", "bmp", "tga"};
    std::ostringstream s;
    s << tasks[static_cast<int>(o.task)] << " [" << o.scene << "] [" << o.output << "] "
      << formats[static_cast<int>(o.format)] << ' ' << o.width << 'x' << o.height << " px"
      << o.pixelSize << " seg" << o.segments << " rep" << o.repeat << (o.grid ? " grid" : "")
      << (o.csv ? " csv" : "");
    return s.str();
}

TEST(HeadlessOptions, ArgumentsGiveTheTaskAndSettingsOrOneProblem) {
    const std::string none = "nothing to do: give --render, --bench, --help or --version";
    const std::string twoTasks =
        " is one task too many: give one of --render, --bench, --help, --version";
    const std::string side = "--size takes WxH with each side from 16 to 4096, not ";
    const std::string pixel = "--pixel-size takes a whole number from 1 to 10, not ";
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{"--render", "in.pvf", "out.BMP"},
         "render [in.pvf] [out.BMP] bmp 800x592 px1 seg100 rep100"},
        {{"--grid", "--size", "16x4096", "--render", "a", "b.tga", "--pixel-size", "10",
          "--segments", "200"},
         "render [a] [b.tga] tga 16x4096 px10 seg200 rep100 grid"},
        {{"--render", "a", "b.png"}, "render [a] [b.png] png 800x592 px1 seg100 rep100"},
        {{"--csv", "--bench", "a", "--repeat", "100000", "--size", "4096X16", "--pixel-size",
          "000000001", "--segments", "1"},
         "bench [a] [] png 4096x16 px1 seg1 rep100000 csv"},
        {{"--repeat", "1", "--help"}, "help [] [] png 800x592 px1 seg100 rep1"},
        {{"--version", "--grid", "--csv"}, "version [] [] png 800x592 px1 seg100 rep100 grid csv"},
        {{}, none},
        {{"--size", "32x32"}, none},
        {{"--help", "--version"}, "--version" + twoTasks},
        {{"--bench", "a", "--render", "a", "b.png"}, "--render" + twoTasks},
        {{"--render", "a", "b.jpg"},
         "--render cannot tell a picture format from b.jpg: end it in .png, .bmp or .tga"},
        {{"--render", "a"}, "--render needs SCENE and OUT"},
        {{"--render", "a", "--grid", "b.png"}, "--render needs SCENE and OUT"},
        {{"--bench"}, "--bench needs SCENE"},
        {{"--bench", "--csv"}, "--bench needs SCENE"},
        {{"--pixel-size"}, "--pixel-size needs N"},
        {{"--size", "15x16", "--help"}, side + "15x16"},
        {{"--size", "16x4097"}, side + "16x4097"},
        {{"--size", "1616"}, side + "1616"},
        {{"--pixel-size", "11"}, pixel + "11"},
        {{"--pixel-size", "0000000001"}, pixel + "0000000001"},
        {{"--pixel-size", "2a"}, pixel + "2a"},
        {{"--pixel-size", ""}, pixel},
        {{"--segments", "0"}, "--segments takes a whole number from 1 to 200, not 0"},
        {{"--segments", "201"}, "--segments takes a whole number from 1 to 200, not 201"},
        {{"--repeat", "100001"}, "--repeat takes a whole number from 1 to 100000, not 100001"},
        {{"--render", "a", "b.png", "--csv"}, "--csv goes only with --bench"},
        {{"--bench", "a", "--repeat", "3", "--grid"}, "--grid goes only with --render"},
        {{"--frob"}, "unknown option --frob"},
        {{"--help", "scene.pvf"}, "unexpected argument scene.pvf"},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(outcome(args), expected) << (args.empty() ? "" : args[0]);
}

TEST(HeadlessOptions, OnlyArgumentsAfterTheProgramThatBeginWithTwoDashesAreOptions) {
    const char* const argv[] = {"--x", "scene.pvf", "-h", "--"};
    EXPECT_FALSE(hasOptions(3, argv));
    EXPECT_TRUE(hasOptions(4, argv));
    EXPECT_TRUE(hasOptions(2, argv + 2));  // "-h" as the program, "--" after it
}

}  // namespace
