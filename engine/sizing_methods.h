#pragma once
// The sizing methods of Annex A of NBR 15527:2007 (Rippl, daily and monthly; Azevedo Neto; the
// German, English and Australian practical methods) applied to a simulation's record, and each
// volume they give run through the program's own daily balance. The methods read the series
// the balance uses: the rain after the first-flush discard, the runoff and the day's rainwater
// demand (balance::daySeries).

#include <optional>
#include <string>
#include <vector>

#include "common/locale_settings.h"

class TCaptAgua;

// What the user may set: the dry months of Azevedo Neto (none: counted from the mean year),
// the Australian method's interception (mm a month) and its confidence (%).
struct ParametrosMetodos {
    std::optional<double> mesesSecos;
    double interceptacao = 2;
    double confianca = 90;
};

// The messages of a parameter out of its range, naming its box; none when it holds.
std::optional<std::string> erroMesesSecos(double meses);
std::optional<std::string> erroInterceptacao(double mm);
std::optional<std::string> erroConfianca(double percent);

// Why a method gives no volume: the demand is not below the runoff, the record lacks a whole
// month of some calendar month, or no volume reaches the confidence.
enum class MotivoMetodo { Nenhum, Demanda, Meses, Confianca };
// "demanda", "meses", "confianca" (empty for Nenhum): the keys of the JSON output.
std::string motivoChave(MotivoMetodo motivo);
// The reason in words, as the window and the text table show it.
std::string motivoTexto(MotivoMetodo motivo);

struct ResultadoMetodo {
    std::string chave;  // "rippl_diario", "rippl_mensal", "azevedo_neto", "alemao", "ingles", "australiano"
    std::string nome;   // the method's name as the table shows it
    std::optional<double> volume;  // litres
    MotivoMetodo motivo = MotivoMetodo::Nenhum;
    // The volume's own run of the balance (only with a volume).
    double dblEconPot = 0, dblPorcAtendTotal = 0, dblPorcAtendParc = 0, dblPorcNaoAtend = 0;
};

struct ResultadoMetodos {
    std::optional<double> precAnual;       // P: the mean year's rain, mm per year
    std::optional<double> mesesSecos;      // T: given, or counted from the mean year
    std::vector<ResultadoMetodo> metodos;  // in the order of the keys above
};

// The six methods on `sim`'s inputs (it need not have run; it is left as it was), each volume
// simulated with every other input of `sim`, upper reservoir included. Throws EngineError
// when `sim` cannot run or a parameter is out of its range.
ResultadoMetodos calculaMetodos(const TCaptAgua& sim, const ParametrosMetodos& parametros);

// The table as the window and the command show it: the header row "Método", "Volume (litros)",
// "Potencial de economia (%)", "Atende completamente (%)", "Parcialmente (%)", "Não atende (%)",
// then one row a method; a method without a volume shows its reason in the volume's column.
std::vector<std::vector<std::string>> tabelaMetodos(const ResultadoMetodos& r, const LocaleSettings& loc);
// The lines above the table: "P (mm/ano)" and "T (meses secos)" with their values or "-".
std::vector<std::vector<std::string>> cabecalhoMetodos(const ResultadoMetodos& r, const LocaleSettings& loc);
// Both as ';'-separated lines, every text cell as a sheet cell: the export's and the command's lines.
std::vector<std::string> linhasMetodos(const ResultadoMetodos& r, const LocaleSettings& loc);
