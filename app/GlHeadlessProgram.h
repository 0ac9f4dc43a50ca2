#pragma once

// Runs what the options ask for without a screen and returns the exit status: 0 done, 1 a
// scene or picture that failed, 2 a wrong command line.
int runHeadlessProgram(int argc, const char* const* argv);
