#include "app/BenchReport.h"

#include <iomanip>

#include "model/SpeedTimer.h"

namespace {

double micro(double ms) { return ms * 1000.0; }

double nsPerPixel(const TimeSpread& t, std::size_t pixels) {
    return pixels == 0 ? 0.0 : t.medianMs * 1.0e6 / static_cast<double>(pixels);
}

double computeShare(const BenchRow& row) {
    return row.emission.medianMs > 0.0 ? row.compute.medianMs / row.emission.medianMs : 0.0;
}

void tableFigures(std::ostream& out, const TimeSpread& t, std::size_t pixels) {
    out << std::setw(10) << micro(t.minMs) << std::setw(10) << micro(t.medianMs) << std::setw(10)
        << micro(t.maxMs) << std::setw(8) << std::setprecision(1) << nsPerPixel(t, pixels)
        << std::setprecision(2);
}

void csvFigures(std::ostream& out, const TimeSpread& t, std::size_t pixels) {
    out << ',' << micro(t.minMs) << ',' << micro(t.medianMs) << ',' << micro(t.maxMs) << ','
        << nsPerPixel(t, pixels);
}

}  // namespace

void writeBenchTable(std::ostream& out, const std::vector<BenchRow>& rows) {
    out << std::string(42, ' ') << "compute [us]" << std::string(26, ' ') << "emission [us]\n"
        << "  #  object                      pixels       min    median       max   ns/px"
           "       min    median       max   ns/px  compute/emission\n";
    out << std::fixed << std::setprecision(2);
    for (const BenchRow& row : rows) {
        out << std::setw(3) << row.position << "  " << std::left << std::setw(27) << row.name
            << std::right << std::setw(7) << row.pixels;
        tableFigures(out, row.compute, row.pixels);
        tableFigures(out, row.emission, row.pixels);
        out << std::setw(18) << std::setprecision(3) << computeShare(row) << std::setprecision(2)
            << '\n';
    }
    out << std::defaultfloat;
}

void writeBenchCsv(std::ostream& out, const std::vector<BenchRow>& rows) {
    out << "position,object,pixels,compute_min_us,compute_median_us,compute_max_us,"
           "compute_ns_per_pixel,emission_min_us,emission_median_us,emission_max_us,"
           "emission_ns_per_pixel,compute_to_emission\n";
    out << std::setprecision(6);
    for (const BenchRow& row : rows) {
        out << row.position << ',' << row.name << ',' << row.pixels;
        csvFigures(out, row.compute, row.pixels);
        csvFigures(out, row.emission, row.pixels);
        out << ',' << computeShare(row) << '\n';
    }
}

std::string benchClockLine(int repeat) {
    int64_t ticksPerSecond = 0;
    steadyTicks().frequency(ticksPerSecond);
    return "clock: std::chrono::steady_clock, " + std::to_string(ticksPerSecond) +
           " ticks per second, read by each algorithm object's SpeedTimer; " +
           std::to_string(repeat) + " timed runs per figure after one warm-up run";
}
