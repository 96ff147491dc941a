// Writes the example simulation files of examples/ from the Seattle record, as the main
// window saves them under a Brazilian Portuguese locale. Run from the project root:
//   build/examples/make_examples examples
#include <filesystem>
#include <iostream>

#include "common/numtext.h"
#include "economics/costs.h"
#include "economics/file_section.h"
#include "economics/tariffs.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
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

// The economic section a user of `loc` writes; none for a simulation without an analysis.
using SectionOf = std::vector<std::string> (*)(const LocaleSettings& loc);
std::vector<std::string> noSection(const LocaleSettings&) {
    return {};
}

// Saved as a Brazilian user's program writes it, and as an American user's in en_US/.
void save(const TCaptAguaInterval& sim, const std::string& dir, const std::string& name,
          SectionOf section = noSection) {
    sim.saveSim(dir + "/" + name, section(LocaleSettings::ptBR()), LocaleSettings::ptBR());
    sim.saveSim(dir + "/en_US/" + name, section(LocaleSettings::enUS()), LocaleSettings::enUS());
    std::cout << "wrote " << name << "\n";
}

// A number as the user types it: "," written as the locale's decimal separator.
std::string typed(std::string text, const LocaleSettings& loc) {
    for (char& c : text) {
        if (c == ',') c = loc.decimalSeparator;
    }
    return text;
}

// An economic analysis of the 5000-litre cistern with its upper reservoir, typed into the
// analysis windows as a user would: illustrative prices, not any utility's tariff.
TDadosAnalise exampleAnalysis(const LocaleSettings& loc) {
    TDadosAnalise d;
    // 0,5 % a month of inflation, prices adjusted every 12 months, 20 years, 0,8 % a month of
    // minimum attractive rate, installed in March.
    d.analise = {"5000", typed("0,5", loc), "12", "20", typed("0,8", loc), 2};
    TCamposTarifas& t = d.tarifas;
    struct Band {
        TipoFaixa tipo;
        const char *vol1, *vol2, *custo;
        bool fixo;
    };
    for (const Band& b :
         {Band{TipoFaixa::AbaixoDe, "10", "", "30", true}, Band{TipoFaixa::Entre, "10", "20", "4,5", false},
          Band{TipoFaixa::AcimaDe, "20", "", "7,25", false}}) {
        const TFaixaLida f = leFaixa(t.vecTarifas, b.tipo, b.vol1, b.vol2, typed(b.custo, loc), b.fixo, loc);
        t.vecTarifas.push_back(f.faixa);
        t.vecLinhasFaixas.push_back(f.strLinha);
    }
    t.tipoEsgoto = TipoEsgoto::Variavel;  // sewer at 80 % of the water tariff
    t.strTarEsgoto = "80";
    t.strImpFixo = typed("2,5", loc);
    t.strImpVar = "5";
    d.iniciais = {"1800", "300", "500", typed("250,5", loc), "100"};
    // A 1/2 CV pump at 40 %, 1800 L/h, 10 s per start, R$ 450, R$ 0,85 per kWh, 25 % of taxes.
    d.motobomba = {false, "1/2", 0, "40", "1800", "10", "450", typed("0,85", loc), "0", "25"};
    // Cleaning every 6 months; water treatment every month, part fixed and part per m³ used.
    d.vecManutencao.push_back(LeManutencao("Limpeza do reservatório", "6", 0, "80", "", loc));
    d.vecManutencao.push_back(LeManutencao("Tratamento da água", "1", 1, "2", typed("0,6", loc), loc));
    for (std::size_t i = 0; i < d.vecManutencao.size(); ++i)
        d.vecManutencao[i].Cod = static_cast<std::int32_t>(i);
    return d;
}

std::vector<std::string> exampleSection(const LocaleSettings& loc) {
    return LinhasSecaoAnalise(exampleAnalysis(loc), true, loc);
}

// The cistern with an upper reservoir as large as the daily rainwater demand, pumped when it
// holds 100 litres or less.
void setUpperReservoir(TCaptAgua& p) {
    p.dblResSup = p.resSupFromDemand();
    p.flagResSupDem = true;
    p.dblResSupMinRec = 100;
    p.dblResInf = 5000;
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
            setUpperReservoir(sim.base());
            sim.base().simula();
            save(sim, dir, "seattle-reservatorio-superior.csv");
        }
        {
            TCaptAguaInterval sim;
            describe(sim.base(), dir,
                     {"Seattle 2012-2015 (NOAA): cisterna de 5000 litros com reservatório superior,",
                      "análise econômica de 20 anos com preços ilustrativos."});
            setUpperReservoir(sim.base());
            sim.base().simula();
            save(sim, dir, "seattle-analise-economica.csv", exampleSection);
        }
    } catch (const std::exception& e) {
        std::cerr << "make_examples: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
