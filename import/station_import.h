#pragma once
// Importing the daily rainfall records that weather services publish (INMET BDMEP, ANA HidroWeb
// "Chuvas", GHCN-Daily .dly, NOAA daily summaries, a plain dated CSV) into a precipitation data
// file: one value per line, no dates, the first line being the record's first day.
//
// A station file holds dates; the precipitation file holds none, so every day that is not in
// the source (a missing row, an empty or "null" value, a negative or flagged value) would
// silently shift the later days. The import therefore finds every gap, reports it, and applies
// the gap policy the user chose before anything is written.
//
// Typical use (as vespra-cli import does):
//
//     ImportOptions options;                       // format detected, gaps refused, mm
//     options.lacunas = PoliticaLacunas::Zerar;
//     const RegistroImportado r = importStationFile("estacao.csv", options, loc);
//     writeImportedRecord("estacao.csv", suggestedRecordPath("estacao.csv"), r);
//     // r.relatorio.inicio is the date of the record's first line ("Data inicial").
//
// A window that shows the source before the user picks the policy reads it once and builds the
// record when the user chooses:
//
//     // readTextLines: common/textfile.h
//     const SerieEstacao serie = readStationSeries(readTextLines(path), {}, loc);
//     // serie.dias: every day of the span, gaps marked (the chart); gapsOf(serie): the list.
//     const RegistroImportado r = buildRecord(serie, PoliticaLacunas::MaisLonga, loc);
//
// Every failure is an ImportError (Portuguese, saying what was looked for, naming the line or
// the date) or, for the file itself, a FileError; nothing is written then.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_settings.h"
#include "common/tdate.h"

class ImportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class FormatoEstacao { Inmet, Ana, Ghcn, Noaa, Csv };
enum class PoliticaLacunas {
    Recusar,   // a record with any gap is refused
    Zerar,     // every gap is written as 0 mm
    MaisLonga  // the longest run of days without a gap (the earliest of equal runs)
};
enum class UnidadeChuva { Milimetros, Polegadas };  // inches: NOAA and plain CSV only

// "inmet", "ana", "ghcn", "noaa", "csv": the format's key (command line, JSON).
std::string formatKey(FormatoEstacao f);
std::optional<FormatoEstacao> formatFromKey(std::string_view key);
// The format as the report names it: "INMET (BDMEP)", "ANA (HidroWeb)", …
std::string formatName(FormatoEstacao f);

struct ImportOptions {
    std::optional<FormatoEstacao> formato;  // none: detected from the content
    PoliticaLacunas lacunas = PoliticaLacunas::Recusar;
    UnidadeChuva unidade = UnidadeChuva::Milimetros;
};

// One day of the source, after its duplicates were merged.
struct DiaEstacao {
    TDate data;
    bool falta = false;  // a gap: no value, a negative value, a flagged value
    double valor = 0;    // mm (0 for a gap)
    std::string texto;   // the value in mm as written to the record, with a point ("12.5")
};

// A run of missing days, both ends included.
struct Lacuna {
    TDate inicio, fim;
};

// The source as read: every day from its first to its last day with a value, in date order,
// the days the source does not list included as gaps.
struct SerieEstacao {
    FormatoEstacao formato = FormatoEstacao::Csv;
    std::optional<std::string> estacao;  // the station's code, else its name
    std::vector<DiaEstacao> dias;
    std::size_t duplicados = 0;  // dates listed again with the same value (counted once)
};

// What the import did; `inicio` and `fim` are the dates of the written record's first and last
// line (the record's "Data inicial" is `inicio`).
struct RelatorioImportacao {
    FormatoEstacao formato = FormatoEstacao::Csv;
    std::optional<std::string> estacao;
    TDate inicio, fim;
    std::size_t dias = 0;         // lines written
    std::size_t faltantes = 0;    // missing days of the source's span, before the policy
    std::vector<Lacuna> lacunas;  // every run of missing days of the source's span
    std::size_t preenchidos = 0;  // days written as 0 mm
    std::size_t duplicados = 0;
};

struct RegistroImportado {
    RelatorioImportacao relatorio;
    std::vector<double> valores;      // mm per day, from `inicio`
    std::vector<std::string> linhas;  // the record's lines: each value with the locale's decimal mark
};

// The format of a station file's lines (decoded text); throws ImportError naming what was
// looked for when none is recognised.
FormatoEstacao detectFormat(const std::vector<std::string>& lines);

// Reads the station file's lines as `options.formato` (or the detected format) in the unit
// given. Throws ImportError: no date or rainfall column, a date or value that does not read
// (naming its line), a date given twice with different values (naming it), no day with a value,
// several stations in one file, inches asked of a format that gives millimetres.
SerieEstacao readStationSeries(const std::vector<std::string>& lines, const ImportOptions& options,
                               const LocaleSettings& loc);

// Every run of missing days of the series.
std::vector<Lacuna> gapsOf(const SerieEstacao& serie);

// The record the policy makes of the series. Throws ImportError under Recusar when there is a
// gap, with the number of missing days and the first gaps.
RegistroImportado buildRecord(const SerieEstacao& serie, PoliticaLacunas politica, const LocaleSettings& loc);

// readStationSeries and buildRecord over a file (UTF-8 with or without a byte-order mark,
// UTF-16 with one, Windows-1252/Latin-1 otherwise) or over its lines.
RegistroImportado importStationLines(const std::vector<std::string>& lines, const ImportOptions& options,
                                     const LocaleSettings& loc);
RegistroImportado importStationFile(const std::string& source, const ImportOptions& options,
                                    const LocaleSettings& loc);

// Writes the record's lines to `out` as the program writes its precipitation files (CR LF,
// through the one file writer: a failure leaves what was there). Refuses, writing nothing, an
// `out` that is the `source` file itself.
void writeImportedRecord(const std::string& source, const std::string& out, const RegistroImportado& r);

// Where the record goes unless the user says otherwise: beside the source, named like it with
// ".txt" ("estacao.csv" -> "estacao.txt"); a source that is itself a ".txt" gets
// "-registro.txt" ("chuva.txt" -> "chuva-registro.txt"), so the source is never the record.
std::string suggestedRecordPath(const std::string& source);

// The report in Portuguese, one line per item, dates in the locale's short format: format,
// station, first and last day, days written, missing days and each gap, days filled, duplicates.
std::vector<std::string> reportLines(const RelatorioImportacao& r, const LocaleSettings& loc);

// One gap as the report lists it: "02/03/2012 a 04/03/2012 (3 dias)", "05/03/2012 (1 dia)".
std::string gapLine(const Lacuna& g, const LocaleSettings& loc);

// The report window's lines: "Estação: T0001" ("não informada" without one), the source's span
// "Período: 01/01/2012 a 09/02/2012 (40 dias)", and what a policy writes "Dias gravados: 40, de
// 01/01/2012 a 09/02/2012; dias preenchidos com 0 mm: 4".
std::string stationLine(const std::optional<std::string>& estacao);
std::string periodLine(const SerieEstacao& serie, const LocaleSettings& loc);
std::string recordLine(const RelatorioImportacao& r, const LocaleSettings& loc);

// A date as "AAAA-MM-DD" (the JSON report, the messages about a source's dates).
std::string isoDate(TDate d);
