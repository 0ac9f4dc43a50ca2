#include "app/GlutProgram.h"

int main(int argc, char** argv) { return runGlutProgram(argc, argv); }
