#pragma once
// The costs of the analysis: the initial costs, the pump that feeds the upper reservoir (its
// purchase and its electricity) and the other operating costs, each charged to its analysis
// months as TCusto items.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_settings.h"
#include "economics/analysis_fields.h"
#include "engine/capt_agua.h"

// How analysis month i is priced: the month of installation (0 = January), the inflation
// (% per month) and the months between price adjustments.
struct TReajuste {
    int mesIn = 0;
    double inflacao = 0;
    int periodoAumento = 1;
};

// ---------------------------------------------------------------------------------------
// Initial costs

// Month 0 gets the non-empty boxes in order (lower reservoir, upper reservoir, labour, pipes,
// accessories), each read strictly; the upper reservoir only when the simulation uses one.
// Throws AnaliseError naming the box.
void AddCustosIniciais(std::vector<TPeriodo>& periodos, const TCamposCustosIniciais& campos, bool usaResSup,
                       const LocaleSettings& loc);

// ---------------------------------------------------------------------------------------
// Pump

// Power of one pump in kW: W ÷ 1000, or CV × 746 ÷ 1000 (also with no unit selected); in CV
// "n/d" is the fraction n ÷ d. Throws AnaliseError naming the box when the text is not a
// number or the fraction divides by zero.
double PotenciaMotobomba(std::string_view texto, int indPotUnid, const LocaleSettings& loc);

// Hours the pump runs in a month of `dias` days: the start-up time charged for every cycle
// plus the litres pumped at the pump's flow.
double HorasFuncionamento(int dias, double ciclosPorDia, double tempoPartidaSegundos, double litrosRecalcados,
                          double vazaoLitrosHora);

// Energy in kWh drawn by a pump of `potenciaKW` at `rendimento` % running `horas` hours.
double EnergiaMotobomba(double potenciaKW, double rendimento, double horas);

// The pump window's figures as numbers.
struct TMotobomba {
    double potenciaKW = 0;
    double rendimento = 0;    // %
    double vazao = 0;         // L/h
    double tempoPartida = 0;  // s
    double custo = 0;         // R$ per pump
    double tarifaEn = 0;      // R$/kWh at installation
    double impFixo = 0;       // R$ per month
    double impVar = 0;        // %
    bool reserva = false;
};

// All eight pump boxes hold something ("Calcular" charges the pump only then).
bool MotobombaCompleta(const TCamposMotobomba& campos);
// The pump window's "Concluir": empty taxes become "0"; true when the window may close
// (power, a unit, flow, start-up time, price and tariff all given).
bool ConcluiMotobomba(TCamposMotobomba& campos);
// The label of the first of those fields left empty, as the pump window names it; empty when
// none is.
std::string CampoMotobombaVazio(const TCamposMotobomba& campos);
// Reads the pump boxes: taxes leniently, the rest strictly. Refuses a flow or an efficiency
// that is not above zero. Throws AnaliseError naming the box.
TMotobomba LeMotobomba(const TCamposMotobomba& campos, const LocaleSettings& loc);

// The pump's purchase in month 0 (twice with a reserve pump) and its electricity in months
// 1 … n − 1, from the working simulation's pumping cycles and pumped litres.
void AddCustoMotobomba(std::vector<TPeriodo>& periodos, const TMotobomba& mb, const TCaptAgua& sim,
                       const TReajuste& reajuste);

// ---------------------------------------------------------------------------------------
// Other operating costs

// "Adicionar" of the operating cost window: periodicity as a strict integer; a fixed item
// (tipo 0) keeps only the linear coefficient, any other choice (variable or none) both; the
// coefficients read strictly and rounded to four decimals as money is. Throws ConversionError.
TManutencao LeManutencao(std::string_view nome, std::string_view meses, int tipo, std::string_view coefLinear,
                         std::string_view coefAngular, const LocaleSettings& loc);
// Refuses a periodicity below one month (AnaliseError naming the item).
void ChecaPeriodicidade(const TManutencao& item);
// The item's row in the list window's grid and the texts of the edit window: name,
// periodicity, and both coefficients as money (at most four decimals).
std::array<std::string, 4> LinhaManutencao(const TManutencao& item, const LocaleSettings& loc);
// The list window's grid: one such row per item, in the list's order.
std::vector<std::array<std::string, 4>> LinhasManutencao(const std::vector<TManutencao>& itens,
                                                         const LocaleSettings& loc);
// Removes item `ind`; later items move down and take their new index as Cod.
void ExcluiManutencao(std::vector<TManutencao>& itens, std::size_t ind);

// Each item into months P, 2P, … up to n − 1: its linear part plus its angular part times the
// rainwater consumed (m³) in that calendar month, adjusted for the month's price factor.
void AddCustoManutencao(std::vector<TPeriodo>& periodos, const std::vector<TManutencao>& itens,
                        const TCaptAgua& sim, const TReajuste& reajuste);

// The label texts of the cost items.
inline constexpr const char* kCustoMotobomba = "Custo motobomba(s)";
inline constexpr const char* kEnergiaMotobomba = "Energia elétrica motobomba(s)";
