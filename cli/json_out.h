#pragma once

#include <string>

#include "economics/analysis.h"
#include "engine/capt_agua_interval.h"
#include "engine/sizing_methods.h"
#include "import/station_import.h"

// A simulation set as one JSON object: the sweep settings, the ideal volume's index and
// every member's results, numbers with 17 significant digits so that they round-trip.
// A single-volume set reports volmax, interval and delta 0 and indVolOtimo -1. When the file
// carries an economic analysis, `economia` adds its figures under the key "economia".
std::string simulationJson(const TCaptAguaInterval& sim, const TResultadoAnalise* economia = nullptr);

// The figures of an economic analysis: the month count, the net present value in R$, the
// payback month (-1 for none), the rate of return in % per month (null when undefined) and
// the saving and the cost of every analysis month in R$.
std::string economiaJson(const TResultadoAnalise& r);

// The report of an import: "formato", "estacao" (null when the file names none), "inicio" and
// "fim" (ISO dates of the record's first and last line), "dias", "faltantes", "lacunas" (each
// run of missing days as ["first", "last"]), "preenchidos", "duplicados".
std::string importJson(const RelatorioImportacao& r);

// The sizing methods as one object: "P_anual" (mm a year or null), "meses_secos" (null when
// none) and "metodos", one entry a method in the table's order with "metodo", "volume" (litres
// or null), "motivo" (null, "demanda", "meses" or "confianca") and, with a volume, its run's
// "dblEconPot", "dblPorcAtendTotal", "dblPorcAtendParc" and "dblPorcNaoAtend".
std::string methodsJson(const ResultadoMetodos& r);
