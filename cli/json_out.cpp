#include "cli/json_out.h"

#include <cmath>

#include "common/currency.h"
#include "common/numtext.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/month_array.h"

namespace {

std::string num(double v) {
    return std::isfinite(v) ? formatRoundTrip(v) : "null";
}

template <typename T>
std::string months(const MonthArray<T>& a) {
    std::string s = "[";
    for (int m = 1; m <= 12; ++m) {
        if (m > 1) s += ",";
        s += num(static_cast<double>(a[m]));
    }
    return s + "]";
}

std::string array(const doubleArray& a) {
    std::string s = "[";
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0) s += ",";
        s += num(a[i]);
    }
    return s + "]";
}

std::string member(const TCaptAgua& s) {
    std::string j = "{";
    auto field = [&j](const char* name, const std::string& value) {
        if (j.size() > 1) j += ",";
        j += "\"";
        j += name;
        j += "\":" + value;
    };
    field("dblResInf", num(s.dblResInf));
    field("dblEconPot", num(s.dblEconPot));
    field("dblPorcAtendTotal", num(s.dblPorcAtendTotal));
    field("dblPorcAtendParc", num(s.dblPorcAtendParc));
    field("dblPorcNaoAtend", num(s.dblPorcNaoAtend));
    field("dblConsPluvMed", num(s.dblConsPluvMed));
    field("dblConsPotMed", num(s.dblConsPotMed));
    field("dblVExtravMed", num(s.dblVExtravMed));
    field("vecVConsPluv", months(s.vecVConsPluv));
    field("vecVConsPot", months(s.vecVConsPot));
    field("vecVRecalc", months(s.vecVRecalc));
    field("vecVExtrav", months(s.vecVExtrav));
    field("vecPorcAtendTotal", months(s.vecPorcAtendTotal));
    field("vecPorcAtendParc", months(s.vecPorcAtendParc));
    field("vecPorcNaoAtend", months(s.vecPorcNaoAtend));
    field("vecContRec", months(s.vecContRec));
    field("vecVMediaMensalCont", months(s.vecVMediaMensalCont));
    return j + "}";
}

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes as it is.
std::string text(const std::string& s) {
    std::string j = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            j += '\\';
            j += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char* hex = "0123456789abcdef";
            j += "\\u00";
            j += hex[(c >> 4) & 0xF];
            j += hex[c & 0xF];
        } else {
            j += c;
        }
    }
    return j + "\"";
}

}  // namespace

std::string importJson(const RelatorioImportacao& r) {
    std::string gaps = "[";
    for (const Lacuna& g : r.lacunas) {
        if (gaps.size() > 1) gaps += ",";
        gaps += "[\"" + isoDate(g.inicio) + "\",\"" + isoDate(g.fim) + "\"]";
    }
    gaps += "]";
    return "{\"formato\":\"" + formatKey(r.formato) +
           "\",\"estacao\":" + (r.estacao ? text(*r.estacao) : "null") + ",\"inicio\":\"" +
           isoDate(r.inicio) + "\",\"fim\":\"" + isoDate(r.fim) + "\",\"dias\":" + std::to_string(r.dias) +
           ",\"faltantes\":" + std::to_string(r.faltantes) + ",\"lacunas\":" + gaps +
           ",\"preenchidos\":" + std::to_string(r.preenchidos) +
           ",\"duplicados\":" + std::to_string(r.duplicados) + "}";
}

std::string economiaJson(const TResultadoAnalise& r) {
    // The present value is whole cents: its Currency text (point, no grouping) is exact.
    return "{\"nroPeriodos\":" + std::to_string(r.nroPeriodos) +
           ",\"curVPL\":" + formatCurrencyGeneral(r.curVPL, LocaleSettings::enUS()) +
           ",\"intTempoRetorno\":" + std::to_string(r.intTempoRetorno) +
           ",\"dblTIR\":" + (r.dblTIR ? num(*r.dblTIR) : "null") +
           ",\"vecEconomias\":" + array(r.vecEconomias) + ",\"vecCustos\":" + array(r.vecCustos) + "}";
}

std::string simulationJson(const TCaptAguaInterval& sim, const TResultadoAnalise* economia) {
    // A file with a maximum volume is a sweep even when its step leaves one member (a maximum
    // below the step): its settings are reported as the file gives them.
    const bool sweep = sim.isSweep();
    std::string j = "{\"volmax\":" + num(sweep ? sim.volmax : 0.0) +
                    ",\"interval\":" + num(sweep ? sim.interval : 0.0) +
                    ",\"delta\":" + num(sweep ? sim.delta : 0.0) +
                    ",\"indVolOtimo\":" + std::to_string(sweep ? sim.indVolOtimo : -1) + ",\"members\":[";
    for (std::size_t i = 0; i < sim.vecCaptAgua.size(); ++i) {
        if (i > 0) j += ",";
        j += member(*sim.vecCaptAgua[i]);
    }
    j += "]";
    if (economia) j += ",\"economia\":" + economiaJson(*economia);
    return j + "}";
}

std::string methodsJson(const ResultadoMetodos& r) {
    const auto optional = [](const std::optional<double>& v) { return v ? num(*v) : std::string("null"); };
    std::string j = "{\"P_anual\":" + optional(r.precAnual) + ",\"meses_secos\":" + optional(r.mesesSecos) +
                    ",\"metodos\":[";
    for (std::size_t i = 0; i < r.metodos.size(); ++i) {
        const ResultadoMetodo& m = r.metodos[i];
        if (i > 0) j += ",";
        j += "{\"metodo\":\"" + m.chave + "\",\"volume\":" + optional(m.volume) + ",\"motivo\":";
        j += m.volume ? std::string("null") : "\"" + motivoChave(m.motivo) + "\"";
        if (m.volume) {
            j += ",\"dblEconPot\":" + num(m.dblEconPot) +
                 ",\"dblPorcAtendTotal\":" + num(m.dblPorcAtendTotal) +
                 ",\"dblPorcAtendParc\":" + num(m.dblPorcAtendParc) +
                 ",\"dblPorcNaoAtend\":" + num(m.dblPorcNaoAtend);
        }
        j += "}";
    }
    return j + "]}";
}
