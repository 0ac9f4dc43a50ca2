#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/SceneBench.h"

// Times in microseconds; ns/px is the median over the pixel count; the last column is the
// compute median over the emission median.
void writeBenchTable(std::ostream& out, const std::vector<BenchRow>& rows);
void writeBenchCsv(std::ostream& out, const std::vector<BenchRow>& rows);

// Which clock the figures come from and how many runs each one summarises.
std::string benchClockLine(int repeat);
