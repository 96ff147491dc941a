// Reading a simulation file back. Lines are found by position; every number is read
// normalized ("," or "." as the decimal mark), so a file saved under a comma locale opens
// under a point locale and the other way round; the start date is read in the day and month
// order of the machine that saved the file (see readStartDate). A malformed file ends in an
// EngineError that names the line; the object is only changed once the whole file has been read.

#include <optional>
#include <string_view>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/sim_file.h"

namespace {

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

    std::size_t size() const { return lines_.size(); }

  private:
    const std::vector<std::string>& lines_;
    const LocaleSettings& loc_;
};

// A demand or occupants line: label; flag; K; K values. Monthly values are expanded to
// the daily table once the start date is known.
void readValuesLine(const Reader& r, std::size_t index, const char* what, doubleArray& daily,
                    doubleArray& monthly, bool& isMonthly) {
    const auto f = r.fields(index, what, 3);
    isMonthly = f[1] != "0";
    const std::size_t k = r.count(index, f[2], isMonthly ? 12 : 1, f.size() - 3);
    if (isMonthly && k != 12) r.fail(index, std::string("os valores mensais de ") + what + " devem ser 12.");
    doubleArray values;
    values.reserve(k);
    for (std::size_t i = 0; i < k; ++i) values.push_back(r.number(index, f[3 + i]));
    (isMonthly ? monthly : daily) = std::move(values);
}

// The decimal marks the numbers of a file show. A file saved by the program shows only the
// mark of the machine that saved it (numbers are written without thousands separators).
struct DecimalMarks {
    bool point = false;
    bool comma = false;

    void note(std::string_view text) {
        point = point || text.find('.') != std::string_view::npos;
        comma = comma || text.find(',') != std::string_view::npos;
    }
    // The fields of a line after its label.
    void noteFields(std::string_view line) {
        const std::size_t label = line.find(';');
        if (label != std::string_view::npos) note(line.substr(label + 1));
    }
    // The saving machine's mark, when the file shows exactly one.
    std::optional<char> mark() const {
        if (point == comma) return std::nullopt;
        return point ? '.' : ',';
    }
};

std::string integerText(int value, const LocaleSettings& loc) {
    return formatGeneral(static_cast<double>(value), loc);
}

// The start date is written in the saving machine's short date format, whose order of day
// and month the text alone may not show (2/1/2012). The file's decimal mark tells the machine:
// its own mark means the user's order; the other mark the order of a locale that writes it
// (a point: month first, as en_US; a comma: day first, as pt_BR). Without that, or when the
// date does not read in that order, every order is tried: a single date is taken silently,
// several distinct dates give the user's order (or the first that reads) and a note saying
// which date was taken.
struct StartDate {
    TDate date;
    std::string notice;  // empty when the order was known
};

std::optional<StartDate> readStartDate(std::string_view text, std::optional<char> fileMark,
                                       const LocaleSettings& loc) {
    const DateOrder userOrder = dateOrder(loc);
    const auto readIn = [&](DateOrder order) -> std::optional<TDate> {
        if (order == userOrder) {
            if (auto d = tryReadDate(text, loc)) return d;
        }
        return tryReadDateInOrder(text, order);
    };
    if (fileMark) {
        const DateOrder fileOrder = *fileMark == loc.decimalSeparator ? userOrder
                                    : *fileMark == '.'                ? DateOrder::MonthDayYear
                                                                      : DateOrder::DayMonthYear;
        if (auto d = readIn(fileOrder)) return StartDate{*d, {}};
    }
    std::optional<TDate> taken;
    bool several = false;
    for (DateOrder order :
         {userOrder, DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
        const auto d = readIn(order);
        if (!d) continue;
        if (!taken) taken = d;
        several = several || *d != *taken;
    }
    if (!taken) return std::nullopt;
    if (!several) return StartDate{*taken, {}};
    int y, m, d;
    taken->toYMD(y, m, d);
    return StartDate{*taken, "A data inicial do arquivo, \"" + std::string(text) +
                                 "\", não mostra se o dia vem antes do mês; foi lida como dia " +
                                 integerText(d, loc) + " do mês " + integerText(m, loc) + " de " +
                                 integerText(y, loc) + " (" + formatDate(*taken, loc) + ")."};
}

// The lower reservoir's line: one volume ("label;volume"), or a sweep's maximum volume, step and
// ideal-volume criterion ("label;maximum;step;criterion").
struct LowerReservoirLine {
    double volume = 0;
    bool sweep = false;
    double volmax = 0, interval = 0, delta = 0;
};

LowerReservoirLine readLowerReservoir(const Reader& r, std::size_t i) {
    const auto f = r.fields(i, "reservatório inferior", 2);
    std::size_t used = 0;
    while (used < f.size() && !f[used].empty()) ++used;
    if (used < 2) r.fail(i, "falta o volume do reservatório inferior.");
    LowerReservoirLine line;
    if (used == 2) {
        line.volume = r.number(i, f[1]);
        return line;
    }
    if (used < 4) r.fail(i, "faltam campos na linha de reservatório inferior.");
    line.sweep = true;
    line.volmax = r.number(i, f[1]);
    line.interval = r.number(i, f[2]);
    line.delta = r.number(i, f[3]);
    return line;
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

std::string TCaptAguaInterval::loadSimLines(const std::vector<std::string>& lines, const std::string& path,
                                            const LocaleSettings& loc) {
    const Reader r(lines, loc);
    auto sim = std::make_unique<TCaptAgua>();
    TCaptAgua& p = *sim;
    p.strArqPrec = path;
    r.line(0, "arquivo de dados de precipitação");
    std::size_t i = 2;
    p.vecDadosPrecOrig = unchunkVector(lines, i, i, loc);
    DecimalMarks marks;
    for (std::size_t k = 3; k < i; ++k) marks.note(lines[k]);
    // Every line from the discard to the lower reservoir but the date and the observations
    // holds numbers after its label.
    const auto numbers = [&](std::size_t index) -> std::size_t {
        if (index < lines.size()) marks.noteFields(lines[index]);
        return index;
    };

    p.dblDescartPrec = r.number(i, r.fields(numbers(i), "descarte de precipitação", 2)[1]);
    ++i;
    const std::string_view dateText = r.fields(i, "data inicial", 2)[1];
    if (!readStartDate(dateText, std::nullopt, loc))
        r.fail(i, "'" + std::string(dateText) + "' não é uma data válida.");
    ++i;
    p.dblAreaCapt = r.number(i, r.fields(numbers(i), "área de captação", 2)[1]);
    ++i;
    readValuesLine(r, numbers(i++), "demanda de água", p.vecDemAguaPot, p.vecDemAguaPotMensal,
                   p.boolDemAguaPotMensal);
    readValuesLine(r, numbers(i++), "número de moradores", p.vecNroMor, p.vecNroMorMensal,
                   p.boolNroMorMensal);
    p.dblPorcSubs = r.number(i, r.fields(numbers(i), "percentual de substituição", 2)[1]);
    ++i;
    p.dblCoefAprov = r.number(i, r.fields(numbers(i), "coeficiente de escoamento", 2)[1]);
    ++i;
    {
        const auto f = r.fields(numbers(i), "reservatório superior", 3);
        p.dblResSup = r.number(i, f[1]);
        p.flagResSupDem = r.integer(i, f[2]) != 0;
        ++i;
    }
    p.dblResSupMinRec = r.number(i, r.fields(numbers(i), "limiar de recalque", 2)[1]);
    ++i;
    {
        const auto f = r.fields(i, "observações", 2);
        const std::size_t m = r.count(i, f[1], 0, lines.size() - i - 1);
        p.strObs = std::make_shared<TObsList>(lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                              lines.begin() + static_cast<std::ptrdiff_t>(i + 1 + m));
        i += 1 + m;
    }
    const LowerReservoirLine lower = readLowerReservoir(r, numbers(i));

    // The start date once every number has shown the file's decimal mark; the monthly
    // inputs follow it.
    const StartDate start = *readStartDate(dateText, marks.mark(), loc);
    p.dateDadosPrec = start.date;
    if (p.boolDemAguaPotMensal) p.fillDemAguaPot();
    if (p.boolNroMorMensal) p.fillNroMor();

    vecCaptAgua.clear();
    vecCaptAgua.push_back(std::move(sim));
    if (lower.sweep) {
        setSweep(lower.volmax, lower.interval, lower.delta);
    } else {
        setSingle(lower.volume);
    }
    return start.notice;
}

std::string TCaptAguaInterval::loadSim(const std::string& path, const LocaleSettings& loc) {
    return loadSimLines(readTextLines(path), path, loc);
}
