// The simulation file: ';'-separated lines holding the inputs of the base simulation by
// position, its whole (discarded) precipitation series in lines of 10000 values, the volume
// or sweep settings, the economic section and a results block for the reader's eyes.

#include "engine/sim_file.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"

namespace {

constexpr std::size_t kValuesPerLine = 10000;

const char* const kResultLabels[] = {
    "Potencial de economia (%);",
    "Volume consumido médio de água pluvial (litros/dia);",
    "Volume consumido médio de água potável (litros/dia);",
    "Volume médio de água pluvial extravasado (litros/dia);",
    "Dias em que a demanda de água pluvial é atendida completamente;",
    "Dias em que a demanda de água pluvial é atendida parcialmente (%);",
    "Dias em que a demanda de água pluvial não é atendida (%);",
};

std::string n42(double v, const LocaleSettings& loc) {
    return formatNumber(v, 4, 2, loc);
}

// The seven results of a simulation in the file's formats.
std::vector<std::string> resultTexts(const TCaptAgua& s, const LocaleSettings& loc) {
    return {n42(s.dblEconPot, loc),
            formatGeneral6(s.dblConsPluvMed, loc),
            formatGeneral6(s.dblConsPotMed, loc),
            formatGeneral6(s.dblVExtravMed, loc),
            n42(s.dblPorcAtendTotal, loc),
            n42(s.dblPorcAtendParc, loc),
            n42(s.dblPorcNaoAtend, loc)};
}

std::string seriesLine(const doubleArray& values, std::size_t from, std::size_t to,
                       const LocaleSettings& loc) {
    std::string line;
    line.reserve((to - from) * 4);
    for (std::size_t i = from; i < to; ++i) {
        appendGeneral(line, values[i], loc);
        line += ';';
    }
    return line;
}

std::string valuesLine(const std::string& label, bool monthly, const doubleArray& values,
                       const LocaleSettings& loc) {
    std::string line =
        label + (monthly ? "1;" : "0;") + formatGeneral(static_cast<double>(values.size()), loc) + ";";
    for (double v : values) line += formatGeneral(v, loc) + ";";
    return line;
}

}  // namespace

std::vector<std::string> chunkVector(const doubleArray& values, const LocaleSettings& loc) {
    const std::size_t n = values.size();
    const std::size_t full = n / kValuesPerLine;
    const std::size_t last = n - full * kValuesPerLine;
    std::vector<std::string> lines;
    lines.push_back(std::to_string(kValuesPerLine) + ";" + std::to_string(full) + ";" + std::to_string(last));
    for (std::size_t f = 0; f < full; ++f) {
        lines.push_back(seriesLine(values, f * kValuesPerLine, (f + 1) * kValuesPerLine, loc));
    }
    lines.push_back(seriesLine(values, full * kValuesPerLine, n, loc));
    return lines;
}

std::vector<std::string> TCaptAguaInterval::resultLines(const LocaleSettings& loc) const {
    std::vector<std::string> lines{"RESULTADO DA SIMULAÇÃO"};
    const TCaptAgua& p = base();
    if (vecCaptAgua.size() == 1) {
        const auto texts = resultTexts(p, loc);
        for (std::size_t i = 0; i < texts.size(); ++i) lines.push_back(kResultLabels[i] + texts[i]);
        return lines;
    }
    std::string heading = "Reservatório inferior (litros);";
    for (const char* label : kResultLabels) heading += label;
    heading += "Diferença entre potenciais de atendimento pluvial (%/m³)";
    lines.push_back(heading);
    std::string row0 = "0;";
    for (const auto& t : resultTexts(p, loc)) row0 += t + ";";
    lines.push_back(row0);
    for (std::size_t i = 1; i < vecCaptAgua.size(); ++i) {
        const TCaptAgua& m = *vecCaptAgua[i];
        std::string row = formatGeneral(m.dblResInf, loc);
        for (const auto& t : resultTexts(m, loc)) row += ";" + t;
        row += ";" + n42(memberGain(m, *vecCaptAgua[i - 1]), loc);
        lines.push_back(row);
    }
    if (const TCaptAgua* ideal = idealMember()) {
        lines.push_back("");
        lines.push_back("Volume ideal para o reservatório inferior;" + formatGeneral(ideal->dblResInf, loc));
        lines.push_back(std::string("Potencial de economia (%);") + n42(ideal->dblEconPot, loc));
    }
    return lines;
}

namespace {

// The lines before the series: the record's name and the section's title.
std::vector<std::string> headLines(const TCaptAgua& p) {
    return {"Arquivo dados de precipitação;" + p.strArqPrec, "Dados de precipitação"};
}

// The lines after the series: the inputs, the volume or sweep settings, the economic section
// and the results block.
std::vector<std::string> tailLines(const TCaptAguaInterval& sim,
                                   const std::vector<std::string>& dataAnaliseEcon,
                                   const LocaleSettings& loc) {
    const TCaptAgua& p = sim.base();
    std::vector<std::string> lines;
    lines.push_back("Descarte precipitação;" + formatGeneral(p.dblDescartPrec, loc));
    lines.push_back("Data inicial;" + formatDate(p.dateDadosPrec, loc));
    lines.push_back("Área de captação (m²);" + formatGeneral(p.dblAreaCapt, loc));
    lines.push_back(valuesLine("Demanda de água total;", p.boolDemAguaPotMensal,
                               p.boolDemAguaPotMensal ? p.vecDemAguaPotMensal : p.vecDemAguaPot, loc));
    lines.push_back(valuesLine("Número de moradores;", p.boolNroMorMensal,
                               p.boolNroMorMensal ? p.vecNroMorMensal : p.vecNroMor, loc));
    lines.push_back("Percentual de água potável a ser substituída por pluvial;" +
                    formatGeneral(p.dblPorcSubs, loc));
    lines.push_back("Coeficiente de escoamento superficial;" + formatGeneral(p.dblCoefAprov, loc));
    lines.push_back("Reservatório superior (litros);" + formatGeneral(p.dblResSup, loc) + ";" +
                    (p.flagResSupDem ? "-1" : "0"));
    lines.push_back("Limiar recalque (litros);" + formatGeneral(p.dblResSupMinRec, loc));
    const std::size_t obsCount = p.strObs ? p.strObs->size() : 0;
    lines.push_back("Observações (linhas);" + formatGeneral(static_cast<double>(obsCount), loc));
    if (p.strObs) lines.insert(lines.end(), p.strObs->begin(), p.strObs->end());
    if (sim.vecCaptAgua.size() == 1) {
        lines.push_back("Reservatório inferior (litros);" + formatGeneral(p.dblResInf, loc));
    } else {
        lines.push_back("Reservatório inferior (litros);" + formatGeneral(sim.volmax, loc) + ";" +
                        formatGeneral(sim.interval, loc) + ";" + formatGeneral(sim.delta, loc));
    }
    lines.push_back("");
    lines.insert(lines.end(), dataAnaliseEcon.begin(), dataAnaliseEcon.end());
    lines.push_back("");
    for (auto& l : sim.resultLines(loc)) lines.push_back(std::move(l));
    return lines;
}

}  // namespace

doubleArray savedSeries(const TCaptAgua& p) {
    if (p.vecDadosPrec.size() == p.vecDadosPrecOrig.size()) return p.vecDadosPrec;
    // Before the first run the discarded series does not exist yet: what a run gives.
    TCaptAgua discarded;
    discarded.vecDadosPrecOrig = p.vecDadosPrecOrig;
    discarded.dblDescartPrec = p.dblDescartPrec;
    discarded.descartPrec();
    return discarded.vecDadosPrec;
}

std::string seriesFileBytes(const doubleArray& series, const LocaleSettings& loc) {
    return encodeTextLines(chunkVector(series, loc));
}

std::vector<std::string> TCaptAguaInterval::simLines(const std::vector<std::string>& dataAnaliseEcon,
                                                     const LocaleSettings& loc) const {
    std::vector<std::string> lines = headLines(base());
    for (auto& l : chunkVector(savedSeries(base()), loc)) lines.push_back(std::move(l));
    for (auto& l : tailLines(*this, dataAnaliseEcon, loc)) lines.push_back(std::move(l));
    return lines;
}

std::string simFileBytes(const TCaptAguaInterval& sim, const std::vector<std::string>& dataAnaliseEcon,
                         const LocaleSettings& loc, const std::string* series) {
    std::string bytes = encodeTextLines(headLines(sim.base()));
    bytes += series ? *series : seriesFileBytes(savedSeries(sim.base()), loc);
    bytes += encodeTextLines(tailLines(sim, dataAnaliseEcon, loc));
    return bytes;
}

void TCaptAguaInterval::saveSim(const std::string& path, const std::vector<std::string>& dataAnaliseEcon,
                                const LocaleSettings& loc) const {
    writeFileBytes(path, simFileBytes(*this, dataAnaliseEcon, loc));
}
