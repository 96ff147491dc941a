#pragma once
// The economic analysis: month by month over the analysis period, the saving on the water
// bill against the initial, pump and operating costs; then the net present value at the
// minimum attractive rate, the payback month and the internal rate of return.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/arrays.h"
#include "common/locale_settings.h"
#include "economics/analysis_fields.h"
#include "economics/costs.h"
#include "economics/tariffs.h"
#include "engine/capt_agua.h"

// The working simulation of the analysis: a copy of the main simulation's inputs with the
// volume under analysis (litres, read strictly), simulated. Throws AnaliseError naming the
// volume, or the engine's error when the simulation cannot run.
std::unique_ptr<TCaptAgua> SimulaCaptAgua(const TCaptAgua& base, std::string_view strVolume,
                                          const LocaleSettings& loc);

// Months of an analysis period of `anos` years: anos × 12 rounded to the nearest, ties to even.
int NroPeriodos(double anos);

// Each month after the installation gets the saving of its calendar month's bills, adjusted
// by the month's price factor; month 0 has no saving.
void AddEconomias(std::vector<TPeriodo>& periodos, const TContas& contas, const TReajuste& reajuste);

// Net present value (to the cent) of the flows discounted at `tma` % per month, month i by
// i + 1 months; the payback month is the first whose cumulative discounted flow is not
// negative, when the net present value is positive, and −1 otherwise.
struct TVPL {
    Currency curVPL;
    int intTempoRetorno = -1;
};
TVPL CalculaVPL(const doubleArray& fluxo, double tma);

// The monthly rate (0.01 = 1 % a month) at which the flows' present value is zero, by Newton's
// method on the logarithm of the discount factor with positive and negative flows apart;
// −1 when there are not flows of both signs. Throws InternalRateOfReturnError when the
// iteration cannot start or has not settled after 15 steps. `iteracoes`, when given, gets
// the number of steps taken.
double InternalRateOfReturn(double guess, const doubleArray& fluxo, int* iteracoes = nullptr);

// Everything "Calcular" produces.
struct TResultadoAnalise {
    TContas contas;  // the monthly bills without and with rainwater
    int nroPeriodos = 0;
    int mesIn = 0;  // the month of installation the months were counted from, 0 = January
    std::vector<TPeriodo> vecPeriodos;
    doubleArray vecEconomias;  // R$ per month
    doubleArray vecCustos;     // R$ per month
    Currency curVPL;
    int intTempoRetorno = -1;
    // % per month; none when the rate is undefined (flows of one sign only) or the iteration
    // failed.
    std::optional<double> dblTIR;
};

// "Calcular" over what the user entered and the working simulation. `usaResSup` tells whether
// the simulation uses an upper reservoir (the pump and the upper reservoir's cost apply only
// then). Reads the boxes in the order the calculation needs them and throws AnaliseError,
// naming the field, at the first one that is refused; nothing is returned then.
TResultadoAnalise Calcular(const TDadosAnalise& dados, bool usaResSup, const TCaptAgua& simAnalise,
                           const LocaleSettings& loc);

// The three result lines of the analysis window.
std::string TextoVPL(Currency curVPL, const LocaleSettings& loc);
std::string TextoTempoRetorno(int intTempoRetorno);
std::string TextoTIR(const std::optional<double>& dblTIR, const LocaleSettings& loc);
