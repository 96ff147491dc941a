// Writes the inputs of the whole-process figures into a folder (bench/whole_process.sh runs it):
//   chuva-seculo.txt          the benchmarks' 100-year daily record, one value a line
//   varredura.csv             a 1001-volume sweep (0 to 50 000 L, step 50 L) of the example
//                             household on a 150 m² roof over that record, as the program saves it
//   varredura-superior.csv    the same with a 300 L upper reservoir pumped at 100 L
//   estudo/                   the 1000-combination scenario study (chuva.txt, cenarios.txt)
#include <filesystem>
#include <iostream>

#include "bench/batch_study.h"
#include "bench/century.h"
#include "common/numtext.h"
#include "common/textfile.h"

namespace {

void writeSweep(const std::string& dir, const std::string& name, double upper) {
    TCaptAguaInterval set;
    bench::setCenturyHousehold(set.base(), upper);
    set.base().strArqPrec = dir + "/chuva-seculo.txt";
    bench::setCenturySweep(set);
    set.run();
    set.saveSim(dir + "/" + name, {}, LocaleSettings::ptBR());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: make_bench_files PASTA\n";
        return 2;
    }
    const std::string dir = argv[1];
    try {
        std::filesystem::create_directories(dir + "/estudo");
        std::vector<std::string> record;
        for (double d : rainPattern(bench::kCenturyDays))
            record.push_back(formatGeneral(d, LocaleSettings::ptBR()));
        writeTextLines(dir + "/chuva-seculo.txt", record);
        writeSweep(dir, "varredura.csv", 0);
        writeSweep(dir, "varredura-superior.csv", 300);
        bench::writeBatchStudy(dir + "/estudo", bench::Upper::None);
    } catch (const std::exception& e) {
        std::cerr << "make_bench_files: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
