#include "bench/common/side_by_side.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace bench {

double Samples::percentile(double p) const {
    if (ms.empty()) return 0;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t rank = std::size_t(std::ceil(p / 100.0 * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

void row(const char* what, const char* figure, const char* floor, double ratio, const char* target,
         const char* met) {
    char ratioText[32] = "-";
    if (ratio >= 0) std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
    std::printf("ROW\t%s\t%s\t%s\t%s\t%s\t%s\n", what, figure, floor, ratioText, target, met);
    std::fflush(stdout);
}

void ratioRow(const char* what, const Pair& p, double maxRatio, const char* extraTarget,
              bool extraMet) {
    char figure[48], floor[48], target[96];
    std::snprintf(figure, sizeof figure, "%.2f ms", p.figure.median());
    std::snprintf(floor, sizeof floor, "%.2f ms", p.floor.median());
    std::snprintf(target, sizeof target, "<= %.1fx%s%s", maxRatio, extraTarget ? ", " : "",
                  extraTarget ? extraTarget : "");
    const bool met = p.ratio() <= maxRatio && extraMet;
    row(what, figure, floor, p.ratio(), target, met ? "yes" : "no");
}

} // namespace bench
