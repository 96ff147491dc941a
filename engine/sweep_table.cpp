// The data sheet of a volume sweep, built as values; the window paints the rows and the
// export writes the lines built here.

#include "engine/sweep_table.h"
#include "common/numtext.h"
#include "common/sheet_cell.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"

// The blanks inside the captions are part of them: the export writes them as they stand.
const SweepColumn kSweepTableColumns[kSweepColumns] = {
    {"Volume", " (litros)", 1},
    {"Potencial de economia ", "de água potável (%)", 2},
    {"Volume consumido de ", "água pluvial (litros/dia)", 2},
    {" Volume consumido de ", "água potável (litros/dia)", 2},
    {"Volume extravasado ", "        (litros/dia)", 2},
    {"Demanda de água pluvial é", "atendida completamente (%)", 2},
    {"Demanda de água pluvial é ", " atendida parcialmente (%)", 2},
    {"Demanda de água pluvial ", "     não é atendida (%)", 2},
    {"  Diferença entre potenciais", "de atendimento pluvial (%/m³)", 2},
};

SweepTable buildSweepTable(const TCaptAguaInterval& sim) {
    SweepTable table;
    const auto& members = sim.vecCaptAgua;
    table.rows.reserve(members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        const TCaptAgua& m = *members[i];
        const double gain = i == 0 ? 0.0 : memberGain(m, *members[i - 1]);
        table.rows.push_back({m.dblResInf, m.dblEconPot, m.dblConsPluvMed, m.dblConsPotMed, m.dblVExtravMed,
                              m.dblPorcAtendTotal, m.dblPorcAtendParc, m.dblPorcNaoAtend, gain});
    }
    if (sim.idealMember() != nullptr) table.idealRow = sim.indVolOtimo;
    return table;
}

std::vector<SweepRowTexts> sweepTableTexts(const SweepTable& table, const LocaleSettings& loc) {
    std::vector<SweepRowTexts> texts(table.rows.size());
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < texts[r].size(); ++c)
            texts[r][c] = formatFixed(table.rows[r][c], 15, kSweepTableColumns[c].decimals, loc);
    }
    return texts;
}

std::vector<std::string> sweepTableCsv(const SweepTable& table, const LocaleSettings& loc) {
    std::vector<std::string> lines;
    std::string header;
    for (const SweepColumn& c : kSweepTableColumns) header += sheetCell(std::string(c.line1) + c.line2) + ";";
    lines.push_back(std::move(header));
    for (const auto& row : table.rows) {
        std::string line;
        for (double v : row) line += formatGeneral(v, loc) + ";";
        lines.push_back(std::move(line));
    }
    return lines;
}
