// The yardstick of the whole-process figures: the 1001-volume sweep of the benchmark study
// (the example household on a 150 m² roof, 0 to 50 000 L in steps of 50 L, optionally a
// 300 L upper reservoir pumped at 100 L) written as a plain C++ loop, one member after the
// other, one day after the other, in one thread: what a programmer writes first. It reads the
// record make_bench_files wrote (one value a line, decimal comma) and prints each volume's
// savings and days met, so that the work cannot be left out.
//   plain_sweep RECORD [UPPER_LITRES]
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<double> readRecord(const char* path) {
    std::vector<double> v;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        for (char& c : line) {
            if (c == ',') c = '.';
        }
        double x = 0;
        std::from_chars(line.data(), line.data() + line.size(), x);
        v.push_back(x);
    }
    return v;
}

struct Totals {
    double supplied = 0, overflow = 0, fullDays = 0, partialDays = 0;
};

Totals member(const std::vector<double>& rain, double lower, double upper, double threshold) {
    const double area = 150, coef = 0.8, discard = 2, demand = 0.5 * 150 * 4;
    Totals t;
    double vi = 0, vs = 0;
    for (const double p : rain) {
        const double runoff = (p >= discard ? p : 0.0) * area * coef;
        const double in = vi + runoff;
        vi = std::min(in, lower);
        t.overflow += in - vi;
        double supplied = 0;
        if (upper <= 0) {
            supplied = std::min(demand, vi);
            vi -= supplied;
        } else {
            for (int k = 0; supplied < demand && vi > 0 && k < 10000; ++k) {
                if (vs <= threshold) {
                    const double pumped = std::min(upper - vs, vi);
                    vi -= pumped;
                    vs += pumped;
                }
                double draw = vs - threshold > 0 ? vs - threshold : 0.0;
                if (draw > demand - supplied) draw = demand - supplied;
                vs -= draw;
                supplied += draw;
            }
            if (supplied < demand && vs > 0) {
                const double last = demand - supplied < vs ? demand - supplied : vs;
                vs -= last;
                supplied += last;
            }
        }
        t.supplied += supplied;
        if (supplied >= demand) {
            t.fullDays += 1;
        } else if (supplied > 0) {
            t.partialDays += 1;
        }
    }
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: plain_sweep REGISTRO [SUPERIOR_LITROS]\n");
        return 2;
    }
    const std::vector<double> rain = readRecord(argv[1]);
    double upper = 0;
    if (argc > 2) std::from_chars(argv[2], argv[2] + std::char_traits<char>::length(argv[2]), upper);
    const double days = static_cast<double>(rain.size());
    for (int i = 0; i <= 1000; ++i) {
        const double volume = 50.0 * i;
        const Totals t = member(rain, volume, upper, 100);
        std::printf("%g;%.17g;%.17g;%.17g;%.17g\n", volume, 100 * t.supplied / (300 * days),
                    t.overflow / days, 100 * t.fullDays / days, 100 * t.partialDays / days);
    }
    return 0;
}
