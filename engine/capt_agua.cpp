#include <algorithm>
#include <filesystem>
#include <optional>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/textfile.h"
#include "engine/balance_run.h"
#include "engine/capt_agua.h"
#include "engine/engine_error.h"
#include "engine/precipitation_file.h"
#include "engine/reference_year.h"
#include "engine/upper_reservoir.h"

namespace {

// A 365-day table: every day of month m takes perDay(m).
template <typename F>
doubleArray monthTable(F perDay) {
    doubleArray table;
    table.reserve(365);
    for (int m = 1; m <= 12; ++m)
        table.insert(table.end(), static_cast<std::size_t>(kReferenceMonthDays[m]), perDay(m));
    return table;
}

// One precipitation line as loadPrec and readPrecFile read it: "," or "." as the decimal mark.
// Nothing when the line does not convert (an empty line, a title).
std::optional<double> precValue(std::string line, bool dropSemicolons, const LocaleSettings& loc) {
    if (dropSemicolons) std::erase(line, ';');
    for (char& c : line) {
        if (c == ',' || c == '.') c = loc.decimalSeparator;
    }
    return tryReadNumber(line, loc);
}

}  // namespace

// A line that does not convert is a day of 0 mm, as records have always been read; it is
// counted so that the user can be told.
doubleArray readPrecLines(const std::vector<std::string>& lines, bool dropSemicolons,
                          const LocaleSettings& loc, PrecUnreadLines& unread) {
    doubleArray values;
    values.reserve(lines.size());
    unread = {};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<double> v = precValue(lines[i], dropSemicolons, loc);
        if (!v) {
            ++unread.count;
            if (unread.first.size() < PrecUnreadLines::kListed) unread.first.push_back(i + 1);
        } else if (*v < 0) {
            ++unread.negativeCount;
            if (unread.firstNegative.size() < PrecUnreadLines::kListed) unread.firstNegative.push_back(i + 1);
        }
        values.push_back(v.value_or(0.0));
    }
    return values;
}

namespace {

std::string countText(std::size_t n, const LocaleSettings& loc) {
    return formatGeneral(static_cast<double>(n), loc);
}

// "1, 2 e 5"
std::string lineList(const std::vector<std::size_t>& lines, const LocaleSettings& loc) {
    std::string out;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) out += k + 1 == lines.size() ? " e " : ", ";
        out += countText(lines[k], loc);
    }
    return out;
}

// "A linha 3 do arquivo " + `one` + "." for one line; for more, "N linhas do arquivo " + `many`
// + ": " and the lines listed (the first ten of a longer list).
std::string linesText(std::size_t count, const std::vector<std::size_t>& first, const std::string& one,
                      const std::string& many, const LocaleSettings& loc) {
    if (count == 1) return "A linha " + lineList(first, loc) + " do arquivo " + one + ".";
    std::string text = countText(count, loc) + " linhas do arquivo " + many + ": ";
    if (count > first.size())
        text += "as " + countText(first.size(), loc) + " primeiras são as linhas ";
    else
        text += "linhas ";
    return text + lineList(first, loc) + ".";
}

}  // namespace

TCaptAgua::TCaptAgua(doubleArray mVecDadosPrec, TDate mDateDadosPrec, double mDblDescartPrec,
                     double mDblAreaCapt, doubleArray mVecDemAguaPot, bool mBoolDemAguaPotMensal,
                     doubleArray mVecNroMor, bool mBoolNroMorMensal, double mDblPorcSubs,
                     double mDblCoefAprov, double mDblResSup, double mDblResSupRec, double mDblResInf,
                     TObsListRef mStrObs)
    : vecDadosPrecOrig(std::move(mVecDadosPrec)),
      dateDadosPrec(mDateDadosPrec),
      dblDescartPrec(mDblDescartPrec),
      dblAreaCapt(mDblAreaCapt),
      boolDemAguaPotMensal(mBoolDemAguaPotMensal),
      boolNroMorMensal(mBoolNroMorMensal),
      dblPorcSubs(mDblPorcSubs),
      dblCoefAprov(mDblCoefAprov),
      dblResSup(mDblResSup),
      dblResSupMinRec(mDblResSupRec),
      dblResInf(mDblResInf),
      strObs(std::move(mStrObs)) {
    (boolDemAguaPotMensal ? vecDemAguaPotMensal : vecDemAguaPot) = std::move(mVecDemAguaPot);
    (boolNroMorMensal ? vecNroMorMensal : vecNroMor) = std::move(mVecNroMor);
}

void TCaptAgua::Assign(const TAssignable& source) {
    const auto* src = dynamic_cast<const TCaptAgua*>(&source);
    if (!src) throw EngineError("Não é possível copiar uma simulação de um objeto de outro tipo.");
    if (src == this) return;
    vecDadosPrecOrig = src->vecDadosPrecOrig;
    vecDadosPrec = src->vecDadosPrec;
    dateDadosPrec = src->dateDadosPrec;
    dblDescartPrec = src->dblDescartPrec;
    dblAreaCapt = src->dblAreaCapt;
    vecDemAguaPot = src->vecDemAguaPot;
    vecDemAguaPotMensal = src->vecDemAguaPotMensal;
    boolDemAguaPotMensal = src->boolDemAguaPotMensal;
    vecNroMor = src->vecNroMor;
    vecNroMorMensal = src->vecNroMorMensal;
    boolNroMorMensal = src->boolNroMorMensal;
    dblPorcSubs = src->dblPorcSubs;
    dblCoefAprov = src->dblCoefAprov;
    dblResSup = src->dblResSup;
    dblResSupMinRec = src->dblResSupMinRec;
    dblResInf = src->dblResInf;
    strObs = src->strObs;
}

double TCaptAgua::meanDemAguaPot() const {
    return boolDemAguaPotMensal ? arrayMean(vecDemAguaPotMensal) / 30 : arrayMean(vecDemAguaPot);
}

double TCaptAgua::meanNroMor() const {
    return arrayMean(boolNroMorMensal ? vecNroMorMensal : vecNroMor);
}

double TCaptAgua::resSupFromDemand() const {
    return demandSizedUpperVolume(meanNroMor(), meanDemAguaPot(), dblPorcSubs,
                                  DemandFactorOrder::OccupantsDemandShare);
}

int referenceDayOfYear(TDate date) {
    int y, m, d;
    date.toYMD(y, m, d);
    if (m == 2 && d == 29) return 59;  // no such day in the reference year: 1 March's offset
    int n = d - 1;
    for (int k = 1; k < m; ++k) n += kReferenceMonthDays[k];
    return n;
}

void rotateToDate(doubleArray& table, TDate start) {
    if (table.empty()) return;
    const auto n = static_cast<std::size_t>(referenceDayOfYear(start)) % table.size();
    std::rotate(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(n), table.end());
}

void TCaptAgua::fillDemAguaPot() {
    vecDemAguaPot = monthTable([this](int m) {
        return vecDemAguaPotMensal[static_cast<std::size_t>(m - 1)] / kReferenceMonthDays[m];
    });
    rotateToDate(vecDemAguaPot, dateDadosPrec);
}

void TCaptAgua::fillNroMor() {
    vecNroMor = monthTable([this](int m) { return vecNroMorMensal[static_cast<std::size_t>(m - 1)]; });
    rotateToDate(vecNroMor, dateDadosPrec);
}

PrecUnreadLines TCaptAgua::loadPrec(const LocaleSettings& loc) {
    PrecUnreadLines unread;
    vecDadosPrecOrig = readPrecLines(readTextLines(strArqPrec), true, loc, unread);
    return unread;
}

doubleArray readPrecFile(const std::string& path, const LocaleSettings& loc) {
    PrecUnreadLines unread;
    return readPrecLines(readTextLines(path), false, loc, unread);
}

doubleArray readPrecFile(const std::string& path, const LocaleSettings& loc, PrecUnreadLines& unread) {
    return readPrecLines(readTextLines(path), false, loc, unread);
}

std::string precDataWarning(std::size_t days, const PrecUnreadLines& unread, const LocaleSettings& loc) {
    std::string text;
    if (days < 365) text = "Os dados de precipitação devem conter no mínimo 365 precipitações diárias.";
    const auto add = [&text](const std::string& paragraph) {
        text += (text.empty() ? "" : "\n\n") + paragraph;
    };
    if (unread.count > 0)
        add(linesText(unread.count, unread.first, "não é um número e foi lida como um dia de 0 mm",
                      "não são números e foram lidas como dias de 0 mm", loc));
    if (unread.negativeCount > 0)
        add(linesText(unread.negativeCount, unread.firstNegative, "tem um valor negativo, mantido como lido",
                      "têm valores negativos, mantidos como lidos", loc));
    return text;
}

void loadVecFile(const std::string& path, doubleArray& values, const LocaleSettings& loc) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pathFromUtf8(path), ec)) return;
    values = readVecLines(readTextLines(path), loc);
}

doubleArray readVecLines(const std::vector<std::string>& lines, const LocaleSettings& loc) {
    doubleArray read(lines.size(), 0.0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        try {
            read[i] = readStrict(lines[i], loc);
        } catch (const ConversionError& e) {
            // The user mends the file: the error says which line to look at.
            throw ConversionError("Linha " + formatGeneral(static_cast<double>(i + 1), loc) + ": " +
                                  e.what());
        }
    }
    return read;
}

void TCaptAgua::descartPrec() {
    vecDadosPrec.resize(vecDadosPrecOrig.size());
    for (std::size_t j = 0; j < vecDadosPrecOrig.size(); ++j) {
        vecDadosPrec[j] = vecDadosPrecOrig[j] >= dblDescartPrec ? vecDadosPrecOrig[j] : 0.0;
    }
}

void TCaptAgua::checkRunnable() const {
    if (vecDadosPrecOrig.empty()) {
        throw EngineError(
            "A série de precipitação está vazia: carregue os dados de precipitação antes de simular.");
    }
    if (boolDemAguaPotMensal ? vecDemAguaPotMensal.size() != 12 : vecDemAguaPot.empty()) {
        throw EngineError(boolDemAguaPotMensal ? "A demanda mensal de água deve ter 12 valores."
                                               : "A demanda de água não foi informada.");
    }
    if (boolNroMorMensal ? vecNroMorMensal.size() != 12 : vecNroMor.empty()) {
        throw EngineError(boolNroMorMensal ? "O número mensal de moradores deve ter 12 valores."
                                           : "O número de moradores não foi informado.");
    }
}

void TCaptAgua::simula() {
    checkRunnable();
    balance::prepare(*this);
    if (dblResSup > 0) {
        balance::runWithUpper(*this);
    } else {
        TCaptAgua* self = this;
        balance::runWithoutUpper(*this, &self, 1);
    }
}
