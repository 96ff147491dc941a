// Writes the example simulation files of examples/ from the Seattle record, as the main
// window saves them under a Brazilian Portuguese locale. Run from the project root:
//   build/examples/make_examples examples
#include <filesystem>
#include <iostream>

#include "common/numtext.h"
#include "engine/unit_classe.h"
#include "examples/household.h"

namespace {

// The example household on the Seattle record, with the file's notes.
void describe(TCaptAgua& p, const std::string& dir, const std::vector<std::string>& notes) {
    const LocaleSettings loc = LocaleSettings::ptBR();
    p.strArqPrec = dir + "/seattle-2012-2015.txt";
    p.loadPrec(loc);
    p.dateDadosPrec = *TDate::fromYMD(2012, 1, 1);
    examples::setHousehold(p);
    p.strObs = std::make_shared<TObsList>(notes);
}

// Saved as a Brazilian user's program writes it, and as an American user's in en_US/.
void save(const TCaptAguaInterval& sim, const std::string& dir, const std::string& name) {
    sim.saveSim(dir + "/" + name, {}, LocaleSettings::ptBR());
    sim.saveSim(dir + "/en_US/" + name, {}, LocaleSettings::enUS());
    std::cout << "wrote " << name << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "examples";
    std::filesystem::create_directories(dir + "/en_US");
    try {
        {
            TCaptAguaInterval sim;
            describe(sim.base(), dir, {"Seattle 2012-2015 (NOAA), cisterna de 5000 litros."});
            sim.base().dblResInf = 5000;
            sim.base().simula();
            save(sim, dir, "seattle-volume-unico.csv");
        }
        {
            TCaptAguaInterval sim;
            describe(sim.base(), dir,
                     {"Seattle 2012-2015 (NOAA): volumes de 0 a 20000 litros,",
                      "volume ideal com diferença de 2 %/m³."});
            sim.volmax = 20000;
            sim.interval = 1000;
            sim.delta = 2;
            sim.simula();
            save(sim, dir, "seattle-faixa-volumes.csv");
        }
        {
            TCaptAguaInterval sim;
            describe(sim.base(), dir,
                     {"Seattle 2012-2015 (NOAA): cisterna de 5000 litros com",
                      "reservatório superior do tamanho da demanda diária e limiar de 100 litros."});
            TCaptAgua& p = sim.base();
            p.dblResSup = p.resSupFromDemand();
            p.flagResSupDem = true;
            p.dblResSupMinRec = 100;
            p.dblResInf = 5000;
            p.simula();
            save(sim, dir, "seattle-reservatorio-superior.csv");
        }
    } catch (const std::exception& e) {
        std::cerr << "make_examples: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
