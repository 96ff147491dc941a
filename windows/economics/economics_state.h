#pragma once
// The economic analysis's own state, kept by the analysis window and read by the windows that
// show its results: the volume under analysis, the working simulation and the last result.

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "common/currency.h"
#include "common/locale_settings.h"
#include "common/numtext.h"
#include "economics/analysis.h"
#include "engine/capt_agua.h"

// The figures of the analysis window's three result lines, which the export also writes: those
// of the last "Calcular" that gave a result. A clear hides the lines but does not change them.
struct TLinhasResultado {
    Currency curVPL;
    int intTempoRetorno = -1;
    std::optional<double> dblTIR;  // % per month; none when undefined
};

struct TEstadoAnalise {
    // The volume under analysis (litres) as typed or chosen, and its number; none while the
    // text does not read as one.
    std::string strVolume;
    std::optional<double> dblVolume;
    // The analysis period as typed (months). A simulation file carries an economic section
    // exactly when it is not empty: the period is what makes an analysis.
    std::string strPeriodo;
    // A copy of the main simulation's inputs with the volume under analysis, simulated;
    // none until the analysis starts.
    std::unique_ptr<TCaptAgua> simAnalise;
    // The last "Calcular" that gave a result, while the inputs are those it was computed from;
    // none before it, after a refused "Calcular", after a change of an input and after a clear.
    std::optional<TResultadoAnalise> resultado;
    TLinhasResultado linhas;

    void defineVolume(std::string texto, const LocaleSettings& loc) {
        strVolume = std::move(texto);
        dblVolume = tryReadNumber(strVolume, loc);
    }
    bool temAnalise() const { return !strPeriodo.empty(); }
    void defineResultado(TResultadoAnalise r) {
        linhas = {r.curVPL, r.intTempoRetorno, r.dblTIR};
        resultado = std::move(r);
    }
    // Forgets the result and the working simulation; the volume and the lines' figures stay.
    void limpa() {
        resultado.reset();
        simAnalise.reset();
    }
};
