// Reading a simulation file back. Lines are found by position; every number is read
// normalized ("," or "." as the decimal mark), so a file saved under a comma locale opens
// under a point locale and the other way round. A malformed file ends in an EngineError that
// names the line; the object is only changed once the whole file has been read.

#include <string_view>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/unit_classe.h"

namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = line.find(';', start);
        if (pos == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
}

// Walks the lines of one file, turning every fault into an error that names its line.
class Reader {
  public:
    Reader(const std::vector<std::string>& lines, const LocaleSettings& loc) : lines_(lines), loc_(loc) {}

    [[noreturn]] void fail(std::size_t index, const std::string& what) const {
        throw EngineError("Arquivo de simulação inválido, linha " + std::to_string(index + 1) + ": " + what);
    }

    const std::string& line(std::size_t index, const char* what) const {
        if (index >= lines_.size()) fail(index, std::string("falta a linha de ") + what + ".");
        return lines_[index];
    }

    std::vector<std::string_view> fields(std::size_t index, const char* what, std::size_t atLeast) const {
        auto f = splitFields(line(index, what));
        if (f.size() < atLeast) fail(index, std::string("faltam campos na linha de ") + what + ".");
        return f;
    }

    double number(std::size_t index, std::string_view text) const {
        try {
            return readNormalized(text, loc_);
        } catch (const ConversionError& e) {
            fail(index, e.what());
        }
    }

    std::int64_t integer(std::size_t index, std::string_view text) const {
        try {
            return readInteger(text);
        } catch (const ConversionError& e) {
            fail(index, e.what());
        }
    }

    // A count that must be at least `min` and at most what the file can hold.
    std::size_t count(std::size_t index, std::string_view text, std::int64_t min, std::size_t max) const {
        const std::int64_t v = integer(index, text);
        if (v < min || static_cast<std::uint64_t>(v) > max) {
            fail(index, "a quantidade '" + std::string(text) + "' não corresponde ao conteúdo do arquivo.");
        }
        return static_cast<std::size_t>(v);
    }

    TDate date(std::size_t index, std::string_view text) const {
        if (auto d = tryReadDate(text, loc_)) return *d;
        LocaleSettings iso = loc_;
        iso.shortDatePattern = "yyyy-MM-dd";
        if (auto d = tryReadDate(text, iso)) return *d;
        fail(index, "'" + std::string(text) + "' não é uma data válida.");
    }

    std::size_t size() const { return lines_.size(); }

  private:
    const std::vector<std::string>& lines_;
    const LocaleSettings& loc_;
};

// A demand or occupants line: label; flag; K; K values.
void readValuesLine(const Reader& r, std::size_t index, const char* what, doubleArray& daily,
                    doubleArray& monthly, bool& isMonthly, void (TCaptAgua::*fill)(), TCaptAgua& sim) {
    const auto f = r.fields(index, what, 3);
    isMonthly = f[1] != "0";
    const std::size_t k = r.count(index, f[2], isMonthly ? 12 : 1, f.size() - 3);
    if (isMonthly && k != 12) r.fail(index, std::string("os valores mensais de ") + what + " devem ser 12.");
    doubleArray values;
    values.reserve(k);
    for (std::size_t i = 0; i < k; ++i) values.push_back(r.number(index, f[3 + i]));
    if (isMonthly) {
        monthly = std::move(values);
        (sim.*fill)();
    } else {
        daily = std::move(values);
    }
}

}  // namespace

doubleArray unchunkVector(const std::vector<std::string>& lines, std::size_t first, std::size_t& next,
                          const LocaleSettings& loc) {
    const Reader r(lines, loc);
    const auto header = r.fields(first, "cabeçalho da série de precipitação", 3);
    const std::size_t perLine = r.count(first, header[0], 1, SIZE_MAX);
    // Each full line must be in the file, and the last one after them.
    const std::size_t full =
        r.count(first, header[1], 0, lines.size() > first + 2 ? lines.size() - first - 2 : 0);
    const std::size_t lastIndex = first + 1 + full;
    const auto lastFields = r.fields(lastIndex, "série de precipitação", 1);
    const std::size_t last = r.count(first, header[2], 0, lastFields.size());
    doubleArray values;
    for (std::size_t f = 0; f < full; ++f) {
        const std::size_t index = first + 1 + f;
        const auto fields = splitFields(r.line(index, "série de precipitação"));
        if (fields.size() < perLine)
            r.fail(index, "a linha da série tem menos valores do que o cabeçalho indica.");
        for (std::size_t i = 0; i < perLine; ++i) values.push_back(r.number(index, fields[i]));
    }
    for (std::size_t i = 0; i < last; ++i) values.push_back(r.number(lastIndex, lastFields[i]));
    next = lastIndex + 1;
    return values;
}

void TCaptAguaInterval::loadSimLines(const std::vector<std::string>& lines, const std::string& path,
                                     const LocaleSettings& loc) {
    const Reader r(lines, loc);
    auto sim = std::make_unique<TCaptAgua>();
    TCaptAgua& p = *sim;
    p.strArqPrec = path;
    r.line(0, "arquivo de dados de precipitação");
    std::size_t i = 2;
    p.vecDadosPrecOrig = unchunkVector(lines, i, i, loc);

    p.dblDescartPrec = r.number(i, r.fields(i, "descarte de precipitação", 2)[1]);
    ++i;
    p.dateDadosPrec = r.date(i, r.fields(i, "data inicial", 2)[1]);
    ++i;
    p.dblAreaCapt = r.number(i, r.fields(i, "área de captação", 2)[1]);
    ++i;
    readValuesLine(r, i++, "demanda de água", p.vecDemAguaPot, p.vecDemAguaPotMensal, p.boolDemAguaPotMensal,
                   &TCaptAgua::fillDemAguaPot, p);
    readValuesLine(r, i++, "número de moradores", p.vecNroMor, p.vecNroMorMensal, p.boolNroMorMensal,
                   &TCaptAgua::fillNroMor, p);
    p.dblPorcSubs = r.number(i, r.fields(i, "percentual de substituição", 2)[1]);
    ++i;
    p.dblCoefAprov = r.number(i, r.fields(i, "coeficiente de escoamento", 2)[1]);
    ++i;
    {
        const auto f = r.fields(i, "reservatório superior", 3);
        p.dblResSup = r.number(i, f[1]);
        p.flagResSupDem = r.integer(i, f[2]) != 0;
        ++i;
    }
    p.dblResSupMinRec = r.number(i, r.fields(i, "limiar de recalque", 2)[1]);
    ++i;
    {
        const auto f = r.fields(i, "observações", 2);
        const std::size_t m = r.count(i, f[1], 0, lines.size() - i - 1);
        p.strObs = std::make_shared<TObsList>(lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                              lines.begin() + static_cast<std::ptrdiff_t>(i + 1 + m));
        i += 1 + m;
    }
    double newVolmax = 0, newInterval = 0, newDelta = 0;
    {
        auto f = r.fields(i, "reservatório inferior", 2);
        std::size_t used = 0;
        while (used < f.size() && !f[used].empty()) ++used;
        if (used < 2) r.fail(i, "falta o volume do reservatório inferior.");
        if (used == 2) {
            p.dblResInf = r.number(i, f[1]);
        } else {
            if (used < 4) r.fail(i, "faltam campos na linha de reservatório inferior.");
            newVolmax = r.number(i, f[1]);
            newInterval = r.number(i, f[2]);
            newDelta = r.number(i, f[3]);
        }
    }

    vecCaptAgua.clear();
    vecCaptAgua.push_back(std::move(sim));
    volmax = newVolmax;
    interval = newInterval;
    delta = newDelta;
    indVolOtimo = 0;
}

void TCaptAguaInterval::loadSim(const std::string& path, const LocaleSettings& loc) {
    loadSimLines(readTextLines(path), path, loc);
}
