#include "engine/demand_series.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/textfile.h"
#include "engine/precipitation_file.h"

namespace {

constexpr std::array<const char*, 7> kDiasSemana = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sab"};
constexpr std::array<const char*, 12> kMeses = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                                "Jul", "Ago", "Set", "Out", "Nov", "Dez"};

std::string wholeText(std::size_t n) {
    return formatGeneral(static_cast<double>(n), LocaleSettings::ptBR());
}

// A numbered row is named "Linha 3"; a weekday or a month by its label.
std::string rowName(const std::string& label) {
    const bool numbered = !label.empty() && label.find_first_not_of("0123456789") == std::string::npos;
    return numbered ? "Linha " + label : label;
}

}  // namespace

DemandGridLayout weeklyLayout() {
    return {"Dia", 50, {kDiasSemana.begin(), kDiasSemana.end()}};
}

DemandGridLayout monthlyLayout() {
    return {"Mês", 50, {kMeses.begin(), kMeses.end()}};
}

DemandGridLayout numberedLayout(int days) {
    DemandGridLayout layout{"Dia", 30, {}};
    for (int i = 1; i <= days; ++i) layout.rowLabels.push_back(wholeText(static_cast<std::size_t>(i)));
    return layout;
}

DemandGridLayout periodLayout(std::string_view periodText, bool monthly) {
    // Under "Mensal" a period box of 7 laid out the week, whose 7 rows could never fill the
    // 12 months that "Concluir" asks for.
    if (monthly) return monthlyLayout();
    const std::int64_t days = readInteger(periodText);
    if (days > kMaxPeriodoDemanda) throw SeriesTooLongError();
    if (periodText == "7") return weeklyLayout();
    // A pasted "-3" passes the key filter; a pattern has no negative length.
    if (days < 0) throw ConversionError("'" + std::string(periodText) + "' não é um período válido.");
    return numberedLayout(static_cast<int>(days));
}

std::string demandColumnHeader(bool nroMor, bool monthly) {
    if (nroMor) return "Número de moradores";
    return monthly ? "Demanda total de água (litros/mês)" : "Demanda total de água (litros per capita/dia)";
}

DemandEditorContents demandEditorContents(const doubleArray& daily, const doubleArray& monthlyValues,
                                          bool monthly, const LocaleSettings& loc) {
    DemandEditorContents c;
    c.monthly = monthly;
    // Switching to "Mensal" writes "12" over the daily count, so the months win over a week.
    c.period = monthly ? "12" : wholeText(daily.size());
    if (monthly) {
        c.layout = monthlyLayout();
        c.values = seriesTexts(monthlyValues, loc);
        if (c.values.size() > kMesesDemanda) c.values.resize(kMesesDemanda);
    } else if (daily.size() == 7) {
        c.layout = weeklyLayout();
        c.values = seriesTexts(daily, loc);
    } else {
        c.layout = numberedLayout(static_cast<int>(daily.size()));
        c.values = seriesTexts(daily, loc);
    }
    return c;
}

std::string joinSeriesTexts(const std::vector<std::string>& texts) {
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) joined += "; ";
        joined += texts[i];
    }
    return joined;
}

std::size_t seriesRowCount(std::string_view periodText, bool monthly) {
    if (monthly) return kMesesDemanda;
    const std::int64_t n = readInteger(periodText);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::optional<std::string> periodGridDisagreement(std::size_t count, std::size_t gridRows) {
    if (count == gridRows) return std::nullopt;
    const auto rows = [](std::size_t n) { return wholeText(n) + (n == 1 ? " linha" : " linhas"); };
    return "O período de repetição (" + wholeText(count) + ") difere da planilha, que tem " + rows(gridRows) +
           ". Clique em \"OK\" para refazer a planilha antes de concluir.";
}

std::vector<std::string> pastedColumnTexts(std::string_view clipboard) {
    std::vector<std::string> texts = splitLines(clipboard);
    for (std::string& t : texts) t.erase(std::min(t.find('\t'), t.size()));
    return texts;
}

bool anySeriesValueMissing(const std::vector<std::string>& texts, std::size_t count) {
    if (texts.size() < count) return true;
    for (std::size_t i = 0; i < count; ++i) {
        if (texts[i].empty()) return true;
    }
    return false;
}

doubleArray readSeriesValues(const std::vector<std::string>& texts, const std::vector<std::string>& labels,
                             std::size_t count, const LocaleSettings& loc) {
    doubleArray values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string label = rowName(i < labels.size() ? labels[i] : wholeText(i + 1));
        const std::string text = i < texts.size() ? texts[i] : std::string();
        const std::optional<double> v = tryReadNumber(text, loc);
        if (!v) throw ConversionError(label + ": '" + text + "' não é um número válido.");
        if (*v < 0)
            throw ConversionError(label + ": '" + text + "' é negativo; o valor deve ser 0 ou maior.");
        values.push_back(*v);
    }
    return values;
}

std::optional<doubleArray> readSeriesFile(const std::string& path, const LocaleSettings& loc) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pathFromUtf8(path), ec)) return std::nullopt;
    doubleArray values;
    loadVecFile(path, values, loc);
    if (values.empty()) throw FileError("O arquivo não contém nenhum valor.");
    if (values.size() > static_cast<std::size_t>(kMaxPeriodoDemanda)) throw SeriesTooLongError();
    return values;
}

std::vector<std::string> seriesTexts(const doubleArray& values, const LocaleSettings& loc) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (double v : values) texts.push_back(formatGeneral(v, loc));
    return texts;
}
