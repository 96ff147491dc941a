#include "cli/json_out.h"

#include <cmath>

#include "common/currency.h"
#include "common/numtext.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/month_array.h"

namespace {

// JSON has no text for a value that is not finite: null.
void appendNum(std::string& j, double v) {
    if (std::isfinite(v)) {
        appendRoundTrip(j, v);
    } else {
        j += "null";
    }
}

std::string num(double v) {
    std::string j;
    appendNum(j, v);
    return j;
}

template <typename T>
void appendMonths(std::string& j, const MonthArray<T>& a) {
    j += '[';
    for (int m = 1; m <= 12; ++m) {
        if (m > 1) j += ',';
        appendNum(j, static_cast<double>(a[m]));
    }
    j += ']';
}

std::string array(const doubleArray& a) {
    std::string s = "[";
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0) s += ",";
        appendNum(s, a[i]);
    }
    return s + "]";
}

void appendMember(std::string& j, const TCaptAgua& s) {
    const auto key = [&j](const char* name) {
        j += '"';
        j += name;
        j += "\":";
    };
    const auto field = [&](const char* name, double v) {
        key(name);
        appendNum(j, v);
        j += ',';
    };
    const auto months = [&](const char* name, const auto& a, bool last = false) {
        key(name);
        appendMonths(j, a);
        if (!last) j += ',';
    };
    j += '{';
    field("dblResInf", s.dblResInf);
    field("dblEconPot", s.dblEconPot);
    field("dblPorcAtendTotal", s.dblPorcAtendTotal);
    field("dblPorcAtendParc", s.dblPorcAtendParc);
    field("dblPorcNaoAtend", s.dblPorcNaoAtend);
    field("dblConsPluvMed", s.dblConsPluvMed);
    field("dblConsPotMed", s.dblConsPotMed);
    field("dblVExtravMed", s.dblVExtravMed);
    months("vecVConsPluv", s.vecVConsPluv);
    months("vecVConsPot", s.vecVConsPot);
    months("vecVRecalc", s.vecVRecalc);
    months("vecVExtrav", s.vecVExtrav);
    months("vecPorcAtendTotal", s.vecPorcAtendTotal);
    months("vecPorcAtendParc", s.vecPorcAtendParc);
    months("vecPorcNaoAtend", s.vecPorcNaoAtend);
    months("vecContRec", s.vecContRec);
    months("vecVMediaMensalCont", s.vecVMediaMensalCont, true);
    j += '}';
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
    // About 2 kB a member.
    j.reserve(j.size() + 2560 * sim.vecCaptAgua.size());
    for (std::size_t i = 0; i < sim.vecCaptAgua.size(); ++i) {
        if (i > 0) j += ',';
        appendMember(j, *sim.vecCaptAgua[i]);
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
