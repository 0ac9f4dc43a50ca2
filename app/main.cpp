#include "app/GlHeadlessProgram.h"
#include "app/GlutProgram.h"
#include "app/HeadlessOptions.h"

int main(int argc, char** argv) {
    if (hasOptions(argc, argv)) return runHeadlessProgram(argc, argv);
    return runGlutProgram(argc, argv);
}
