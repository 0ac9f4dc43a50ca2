#pragma once

// Opens the window, wires the callbacks and runs the GLUT main loop; never returns.
int runGlutProgram(int argc, char** argv);
