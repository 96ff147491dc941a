#include "scenarios/value_lists.h"

#include <algorithm>
#include <cmath>

#include "common/numtext.h"
#include "scenarios/scenario_errors.h"

namespace {

const char* const kRotulos[kNumParametros] = {
    "Arquivos de precipitação",    "Área de captação",
    "Demandas totais de água",     "Números de moradores",
    "Percentuais de substituição", "Coeficientes de escoamento superficial",
    "Reservatórios superiores",    "Reservatórios inferiores"};

// A message quotes at most this many bytes of an item, so a huge text gives a short message.
constexpr std::size_t kCitacaoMax = 60;

std::string cita(std::string_view s) {
    if (s.size() <= kCitacaoMax) return "\"" + std::string(s) + "\"";
    std::size_t n = kCitacaoMax;
    // Never cut a UTF-8 character in two.
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return "\"" + std::string(s.substr(0, n)) + "…\"";
}

std::string mensagemItem(std::size_t item, std::string_view peca, const std::string& causa) {
    return "Item " + std::to_string(item) + " (" + cita(peca) + "): " + causa;
}

[[noreturn]] void falha(std::size_t item, std::string_view peca, const std::string& causa) {
    throw ItemError(mensagemItem(item, peca, causa), causa);
}

// The text split at every occurrence of the delimiter, empty pieces dropped.
std::vector<std::string> divide(std::string_view texto, char delimitador) {
    std::vector<std::string> pecas;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        std::size_t fim = texto.find(delimitador, inicio);
        if (fim == std::string_view::npos) fim = texto.size();
        if (fim > inicio) pecas.emplace_back(texto.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
    return pecas;
}

void substitui(std::string& s, std::string_view de, std::string_view por) {
    std::string r;
    r.reserve(s.size());
    std::size_t i = 0;
    while (true) {
        const std::size_t j = s.find(de, i);
        if (j == std::string::npos) break;
        r.append(s, i, j - i);
        r += por;
        i = j + de.size();
    }
    r.append(s, i, std::string::npos);
    s = std::move(r);
}

void removeParenteses(std::string& s) {
    substitui(s, " (", "");
    substitui(s, "(", "");
    substitui(s, ")", "");
}

// A number of an item: the strict read, reported with the item.
double numero(std::string_view campo, std::size_t item, std::string_view peca, const LocaleSettings& loc) {
    if (auto v = tryReadNumber(campo, loc)) return *v;
    falha(item, peca, cita(campo) + " não é um número válido.");
}

void exigeCampos(const std::vector<std::string>& campos, std::size_t n, std::size_t item,
                 std::string_view peca, const char* forma) {
    if (campos.size() < n) falha(item, peca, std::string("faltam campos; a forma é ") + forma + ".");
}

double leituraVetor(std::string peca, std::size_t item, std::string_view original,
                    const LocaleSettings& loc) {
    removeParenteses(peca);
    substitui(peca, ";", "");
    if (peca == kDemandaPluvial) return -1;
    return numero(peca, item, original, loc);
}

}  // namespace

const char* RotuloParametro(int linha) {
    if (linha < 1 || linha > kNumParametros) return "";
    return kRotulos[linha - 1];
}

std::string VectorToString(const doubleArray& vec, const LocaleSettings& loc) {
    std::string s;
    for (std::size_t i = 0; i < vec.size(); ++i) {
        if (i > 0) s += "; ";
        s += formatGeneral(vec[i], loc);
    }
    return s;
}

std::string TStringListToString(const std::vector<std::string>& itens) {
    std::string s;
    for (std::size_t i = 0; i < itens.size(); ++i) {
        if (i > 0) s += "; ";
        s += "(" + itens[i] + ")";
    }
    return s;
}

std::string ResInfToStr(std::string_view volMaximo, std::string_view intervalo, std::string_view diferenca) {
    return "Intervalo de volumes: " + std::string(volMaximo) + "; " + std::string(intervalo) + "; " +
           std::string(diferenca);
}

std::string ItemAdicionado(int linha, std::string_view digitado) {
    if (linha == kLinhaResInf) return "Fixo: " + std::string(digitado);
    return std::string(digitado);
}

std::string ItemResSupDialogo(bool dimensionadoPelaDemanda, std::string_view volume,
                              std::string_view percentual) {
    const std::string primeiro = dimensionadoPelaDemanda ? std::string(kDemandaPluvial) : std::string(volume);
    return primeiro + " | " + std::string(percentual) + "%";
}

std::string ItemDadosPrec(const dadosPrecRecord& d, const LocaleSettings& loc) {
    return d.strDadosPrec + " | " + formatDate(d.dateDadosPrec, loc) + " | " +
           formatGeneral(d.dblDescartPrec, loc);
}

std::string ItemNumero(double v, const LocaleSettings& loc) {
    return formatGeneral(v, loc);
}

std::string ItemResSup(const resSupRecord& r, const LocaleSettings& loc) {
    const std::string volume = r.modo() != UpperReservoirMode::FromDemand ? formatGeneral(r.dblResSup, loc)
                                                                          : std::string(kDemandaPluvial);
    return volume + " | " + formatGeneral(r.dblResSupRec * 100, loc) + "%";
}

std::string ItemResInf(const resInfRecord& r, const LocaleSettings& loc) {
    if (r.isSweep()) {
        return "Intervalo de volumes: " + formatGeneral(r.volmax, loc) + "; " + formatGeneral(r.interv, loc) +
               "; " + formatGeneral(r.delta, loc);
    }
    return "Fixo: " + formatGeneral(r.volmax, loc);
}

std::vector<std::string> ItensDaLinha(int linha, std::string_view texto, const LocaleSettings& loc) {
    return ItensDaLinha(linha, texto, loc, loc);
}

std::vector<std::string> ItensDaLinha(int linha, std::string_view texto, const LocaleSettings& lido,
                                      const LocaleSettings& loc) {
    std::vector<std::string> itens;
    const char delim = DelimitadorDaLinha(linha);
    switch (linha) {
        case kLinhaArqPrec:
            for (const auto& d : StrToDadosPrec(texto, delim, lido)) itens.push_back(ItemDadosPrec(d, loc));
            break;
        case kLinhaDemPot:
        case kLinhaNroMor:
            for (const auto& v : StrToVectorArray(texto, delim, lido))
                itens.push_back(VectorToString(v, loc));
            break;
        case kLinhaResSup:
            for (const auto& r : StrToResSup(texto, delim, lido)) itens.push_back(ItemResSup(r, loc));
            break;
        case kLinhaResInf:
            for (const auto& r : StrToResInf(texto, lido)) itens.push_back(ItemResInf(r, loc));
            break;
        default:
            for (double v : StrToVector(texto, delim, lido)) itens.push_back(ItemNumero(v, loc));
            break;
    }
    return itens;
}

ItensLidos ItensLegiveisDaLinha(int linha, std::string_view texto, const LocaleSettings& loc) {
    // Each item read alone, as the parsers read every item apart from the others.
    ItensLidos lidos;
    const auto pecas = divide(texto, DelimitadorDaLinha(linha));
    for (std::size_t i = 0; i < pecas.size(); ++i) {
        try {
            for (auto& item : ItensDaLinha(linha, pecas[i], loc)) lidos.itens.push_back(std::move(item));
        } catch (const ItemError& e) {
            lidos.erros.push_back(mensagemItem(i + 1, pecas[i], e.causa));
        }
    }
    return lidos;
}

std::optional<std::string> ErroDeLeituraDoItem(int linha, std::string_view item, const LocaleSettings& loc) {
    try {
        ItensDaLinha(linha, TStringListToString({std::string(item)}), loc);
    } catch (const ItemError& e) {
        return e.causa;
    }
    return std::nullopt;
}

bool CaminhoPrecRepresentavel(std::string_view caminho) {
    return caminho.find_first_of("();") == std::string_view::npos &&
           caminho.find(" | ") == std::string_view::npos;
}

void RemoveRepetidos(std::vector<std::string>& itens) {
    for (std::size_t i = itens.size(); i-- > 1;) {
        const auto fimAnteriores = itens.begin() + static_cast<std::ptrdiff_t>(i);
        if (std::find(itens.begin(), fimAnteriores, itens[i]) != fimAnteriores) itens.erase(fimAnteriores);
    }
}

namespace {

// Text order without regard to ASCII case ("a.txt", "B.txt"), then byte order ("A" before "a").
bool antesNoTexto(const std::string& a, const std::string& b) {
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    const auto dif = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                   [&](char x, char y) { return minuscula(x) == minuscula(y); });
    if (dif.first == a.end() || dif.second == b.end()) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }
    return static_cast<unsigned char>(minuscula(*dif.first)) <
           static_cast<unsigned char>(minuscula(*dif.second));
}

}  // namespace

void OrdenaItens(std::vector<std::string>& itens) {
    std::stable_sort(itens.begin(), itens.end(), antesNoTexto);
}

void InsereOrdenado(std::vector<std::string>& itens, std::string item) {
    itens.insert(std::upper_bound(itens.begin(), itens.end(), item, antesNoTexto), std::move(item));
}

char DelimitadorDaLinha(int linha) {
    return linha == kLinhaArqPrec || linha == kLinhaResSup ? ';' : ')';
}

dadosPrecRecordArray StrToDadosPrec(std::string_view texto, char delimitador, const LocaleSettings& loc) {
    dadosPrecRecordArray r;
    const auto pecas = divide(texto, delimitador);
    for (std::size_t i = 0; i < pecas.size(); ++i) {
        std::string p = pecas[i];
        removeParenteses(p);
        substitui(p, " | ", "|");
        const auto campos = divide(p, '|');
        exigeCampos(campos, 3, i + 1, pecas[i], "\"arquivo | data inicial | descarte\"");
        dadosPrecRecord d;
        d.strDadosPrec = campos[0];
        const auto data = tryReadDate(campos[1], loc);
        if (!data) falha(i + 1, pecas[i], cita(campos[1]) + " não é uma data válida.");
        d.dateDadosPrec = *data;
        d.dblDescartPrec = numero(campos[2], i + 1, pecas[i], loc);
        r.push_back(std::move(d));
    }
    return r;
}

doubleArray StrToVector(std::string_view texto, char delimitador, const LocaleSettings& loc) {
    doubleArray r;
    const auto pecas = divide(texto, delimitador);
    r.reserve(pecas.size());
    for (std::size_t i = 0; i < pecas.size(); ++i) r.push_back(leituraVetor(pecas[i], i + 1, pecas[i], loc));
    return r;
}

doubleArrayArray StrToVectorArray(std::string_view texto, char delimitador, const LocaleSettings& loc) {
    doubleArrayArray r;
    const auto pecas = divide(texto, delimitador);
    for (std::size_t i = 0; i < pecas.size(); ++i) {
        const auto valores = divide(pecas[i], ';');
        doubleArray v;
        v.reserve(valores.size());
        for (const auto& valor : valores) v.push_back(leituraVetor(valor, i + 1, pecas[i], loc));
        // A piece of separators only, such as the "; " after the last item, carries no vector.
        if (v.empty()) falha(i + 1, pecas[i], "não há valores.");
        r.push_back(std::move(v));
    }
    return r;
}

resSupRecordArray StrToResSup(std::string_view texto, char delimitador, const LocaleSettings& loc) {
    resSupRecordArray r;
    const auto pecas = divide(texto, delimitador);
    for (std::size_t i = 0; i < pecas.size(); ++i) {
        std::string p = pecas[i];
        removeParenteses(p);
        substitui(p, " | ", "|");
        substitui(p, "%", "");
        const auto campos = divide(p, '|');
        exigeCampos(campos, 2, i + 1, pecas[i], "\"volume | percentual%\"");
        resSupRecord s;
        s.dblResSup = campos[0] == kDemandaPluvial ? kResSupDemanda : numero(campos[0], i + 1, pecas[i], loc);
        s.dblResSupRec = numero(campos[1], i + 1, pecas[i], loc) / 100;
        r.push_back(s);
    }
    return r;
}

resInfRecordArray StrToResInf(std::string_view texto, const LocaleSettings& loc) {
    resInfRecordArray r;
    const auto pecas = divide(texto, ')');
    for (std::size_t i = 0; i < pecas.size(); ++i) {
        const std::string& p = pecas[i];
        const auto partes = divide(p, ';');
        const char* forma = "\"Fixo: volume\" ou \"Intervalo de volumes: máximo; intervalo; diferença\"";
        resInfRecord v;
        if (partes.size() == 1) {
            const auto lados = divide(p, ':');
            exigeCampos(lados, 2, i + 1, p, forma);
            v.volmax = numero(lados[1], i + 1, p, loc);
        } else {
            exigeCampos(partes, 3, i + 1, p, forma);
            const auto lados = divide(partes[0], ':');
            exigeCampos(lados, 2, i + 1, p, forma);
            v.interv = numero(partes[1], i + 1, p, loc);
            v.delta = numero(partes[2], i + 1, p, loc);
            v.volmax = numero(lados[1], i + 1, p, loc);
            v.escritoComoFaixa = true;
        }
        r.push_back(v);
    }
    return r;
}

std::optional<std::string> ErroLimiarResSup(const resSupRecord& r) {
    if (r.modo() == UpperReservoirMode::None) return std::nullopt;
    const double volume = r.modo() == UpperReservoirMode::FromDemand ? 1.0 : r.dblResSup;
    return upperThresholdError(volume, volume * r.dblResSupRec);
}
