#include "input/ViewQueries.h"

int nearestHit(const std::vector<uint32_t>& buffer, int hits) {
    constexpr std::size_t kRecord = 4;
    int name = -1;
    uint32_t best = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(hits > 0 ? hits : 0); ++k) {
        const std::size_t at = k * kRecord;
        if (at + kRecord > buffer.size()) break;
        const uint32_t depth = buffer[at + 1];
        if (name == -1 || depth < best) {
            best = depth;
            name = static_cast<int>(buffer[at + 3]);
        }
    }
    return name;
}
