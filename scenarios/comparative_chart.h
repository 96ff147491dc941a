#pragma once
// The comparative chart of a scenario run: the user picks one parameter to vary and one value
// for each of the others; every value of the varying parameter is simulated over one
// lower-reservoir range and drawn as one savings-potential curve against the volume.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/locale_settings.h"
#include "engine/capt_agua_interval.h"
#include "scenarios/combs.h"
#include "scenarios/result_rows.h"

// Parameters of the chart, numbered 0 (precipitation files) to 7 (lower reservoir): the rows
// of the scenario table minus one.
inline constexpr int kParamResInf = 7;

inline constexpr const char* kSemVariaveis =
    "Não há variáveis com mais de um valor. Não é possível gerar gráfico comparativo.";
inline constexpr const char* kTituloEixoEconomia = "Potencial de economia (%)";
inline constexpr const char* kUnidadeLeitura = "%";
inline constexpr const char* kTituloJanelaGrafico = "Simulação de cenários";

// The name of parameter 0 to 6 in the list of the varying parameter.
const char* NomeParametroVariavel(int param);
// The label of each combo box of the fixed values, parameters 0 to 7.
const char* RotuloComboFixo(int param);

// One entry of the varying-parameter list.
struct ParametroVariavel {
    std::string nome;
    int param = 0;
};
// Parameters 0 to 6 whose list holds more than one value, in order; the lower reservoir is
// never offered. Empty: there is nothing to compare (show kSemVariaveis).
std::vector<ParametroVariavel> ParametrosVariaveis(const TCombs& combs);

// The item texts of parameter `param`'s combo box (0 to 6: one per value of its list).
std::vector<std::string> ItensCombo(const TCombs& combs, int param, const LocaleSettings& loc);
// The lower-reservoir combo lists only the ranges (interv > 0), in list order: their texts and
// their positions in the whole lower-reservoir list.
struct ItensFaixas {
    std::vector<std::string> textos;
    std::vector<std::size_t> posicoes;
};
ItensFaixas ItensResInf(const TCombs& combs, const LocaleSettings& loc);
// Whether a combo box starts with its first item selected: its list (for the lower reservoir
// the whole list) holds exactly one value.
bool SelecionaPrimeiro(const TCombs& combs, int param);

// What the user chose: the varying parameter, for each other parameter 0 to 6 the position of
// its value in the combo (nothing when none is selected), and the range's combo position.
struct EscolhaGrafico {
    std::optional<int> paramVariavel;
    std::array<std::optional<std::size_t>, 7> selecionados{};
    std::optional<std::size_t> faixa;
};
// The message that refuses "OK" until every needed choice is made; empty when it can go on.
std::string EscolhaIncompleta(const TCombs& combs, const EscolhaGrafico& escolha);

// One point of a curve: volume (L) and savings potential (%). The ideal volume comes once
// more at the end, drawn in black.
struct PontoCurva {
    double dblResInf = 0;
    double dblEconPot = 0;
    bool volumeIdeal = false;
};
// The curve of one sweep: every simulated volume in order, then the ideal one if found.
std::vector<PontoCurva> PontosCurva(const TCaptAguaInterval& sim);
// The title of combination k's curve when parameter v varies.
std::string TituloCurva(const TCombs& d, int v, std::int32_t k, const TCaptAguaInterval& sim,
                        const LocaleSettings& loc);

struct CurvaComparativa {
    std::string titulo;
    std::vector<PontoCurva> pontos;
};
// "OK": the set of the chart (one combination per value of the varying parameter, the fixed
// values and the chosen range), its curves and the rows of its results window. The set keeps
// C's series, so no file is read again, and stays with the results window that shows it.
struct GraficoComparativo {
    std::shared_ptr<TCombs> combs;
    std::vector<CurvaComparativa> curvas;
    std::vector<LinhaResultado> linhas;
};
// Throws ScenarioError with EscolhaIncompleta's message when a choice is missing, and the
// engine's errors when a simulation fails.
GraficoComparativo GeraGraficoComparativo(const TCombs& c, const EscolhaGrafico& escolha,
                                          const LocaleSettings& loc);
// Only the set of the chart, with its table built.
std::shared_ptr<TCombs> CombsDoGrafico(const TCombs& c, const EscolhaGrafico& escolha);
