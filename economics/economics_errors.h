#pragma once
// Errors of the economic analysis that the user sees; messages are in Portuguese.

#include <cstddef>
#include <stdexcept>
#include <string>

// The field of the analysis a refusal is about, so that the window can act on it
// (empty and focus the period, open the pump window).
enum class CampoAnalise {
    Nenhum,
    Volume,
    PeriodoAnalise,
    Inflacao,
    PeriodoAumento,
    TMA,
    TarifaEsgoto,
    CustosIniciais,
    MotobombaIncompleta,  // a pump field is empty: the pump window opens
    Motobomba,
    Manutencao,
};

// A "Calcular" refused before any result changes. `esvaziaCampo` asks the window to empty the
// field as well as focus it (an analysis period above the maximum).
class AnaliseError : public std::runtime_error {
  public:
    AnaliseError(CampoAnalise c, const std::string& message, bool esvazia = false)
        : std::runtime_error(message), campo(c), esvaziaCampo(esvazia) {}
    CampoAnalise campo;
    bool esvaziaCampo;
};

// The rate-of-return iteration found no rate; the analysis reports the rate as undefined.
class InternalRateOfReturnError : public std::runtime_error {
  public:
    InternalRateOfReturnError() : std::runtime_error("InternalRateOfReturn") {}
};

// A malformed economic section of a simulation file; the message names the file line.
class SecaoAnaliseError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
