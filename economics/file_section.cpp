#include "economics/file_section.h"

#include <cstdint>
#include <optional>

#include "common/numtext.h"
#include "common/textfile.h"
#include "economics/costs.h"
#include "economics/economics_errors.h"
#include "economics/tariffs.h"

bool TextoGravavel(std::string_view text) {
    return text.find_first_of(";\r\n") == std::string_view::npos;
}

// ---------------------------------------------------------------------------------------
// Writing

namespace {

// The text of a field, refused when it would not read back as one field of one line.
const std::string& gravavel(const char* nomeCampo, const std::string& text) {
    if (!TextoGravavel(text)) {
        throw SecaoAnaliseError(std::string("O campo \"") + nomeCampo +
                                "\" contém \";\" ou uma quebra de linha e não pode ser salvo.");
    }
    return text;
}

std::string campo(const char* label, const std::string& text) {
    return std::string(label) + ";" + gravavel(label, text);
}

}  // namespace

std::vector<std::string> LinhasSecaoAnalise(const TDadosAnalise& d, bool usaResSup,
                                            const LocaleSettings& loc) {
    std::vector<std::string> out;
    out.emplace_back(kMarcadorAnalise);
    out.push_back(campo("Volume do reservatorio inferior", d.analise.strVolume));
    const TCamposTarifas& t = d.tarifas;
    out.push_back("Tarifas de agua;" + std::to_string(t.vecTarifas.size()));
    for (const TContaAguaFaixa& f : t.vecTarifas) {
        out.push_back(formatGeneral(f.De, loc) + ";" + formatGeneral(f.Ate, loc) + ";" +
                      formatGeneral(f.Valor, loc) + ";" + (f.Fixo ? "-1" : "0"));
    }
    // A sewer value typed with no kind chosen is billed as a percentage ("Variável"), and is
    // saved so, to open billed the same way.
    if (t.tipoEsgoto != TipoEsgoto::Nenhum || !t.strTarEsgoto.empty()) {
        out.push_back(campo("Tarifa esgoto", t.strTarEsgoto) +
                      (t.tipoEsgoto == TipoEsgoto::Fixa ? ";0" : ";1"));
    }
    out.push_back(campo("Imposto agua fixo", t.strImpFixo));
    out.push_back(campo("Imposto agua variavel", t.strImpVar));
    const TCamposAnalise& a = d.analise;
    out.push_back(campo("Inflacao", a.strInflacao));
    out.push_back(campo("Aumento tarifas", a.strPeriodoAumento));
    out.push_back(campo("Periodo de analise", a.strPeriodoAnalise));
    out.push_back(campo("TMA", a.strTMA));
    out.push_back("Mes de instalacao;" + std::to_string(a.indMesIn));
    const TCamposCustosIniciais& c = d.iniciais;
    out.push_back(campo("Reservatorio inferior", c.strCustoInf));
    out.push_back(campo("Reservatorio superior", c.strCustoSup));
    out.push_back(campo("Mao de obra", c.strCustoMaoObra));
    out.push_back(campo("Tubulacoes", c.strCustoTubulacoes));
    out.push_back(campo("Acessorios", c.strCustoAcessorios));
    if (usaResSup) {
        const TCamposMotobomba& m = d.motobomba;
        out.push_back(std::string("Quantidade;") + (m.boolReserva ? "2" : "1"));
        out.push_back(campo("Potencia", m.strPotencia) + ";" + std::to_string(m.indPotUnid));
        out.push_back(campo("Rendimento (%)", m.strRendimento));
        out.push_back(campo("Vazao", m.strVazao));
        out.push_back(campo("Tempo de partida (h)", m.strTempoPartida));
        out.push_back(campo("Custo unitario", m.strCusto));
        out.push_back(campo("Tarifa energia eletrica", m.strTarifaEn));
        out.push_back(campo("Imposto energia fixo", m.strImpFixo));
        out.push_back(campo("Imposto energia variavel", m.strImpVar));
    }
    out.push_back("Custos operacionais;" + std::to_string(d.vecManutencao.size()));
    for (const TManutencao& item : d.vecManutencao) {
        out.push_back(gravavel("Nome do custo operacional", item.Nome) + ";" + std::to_string(item.Periodo) +
                      ";" + formatGeneral(item.CoefLinear, loc) + ";" + formatGeneral(item.CoefAngular, loc));
    }
    return out;
}

// ---------------------------------------------------------------------------------------
// Reading

namespace {

// The fields of a line, as texts of their own.
std::vector<std::string> fieldTexts(std::string_view line) {
    const std::vector<std::string_view> views = splitFields(line);
    return {views.begin(), views.end()};
}

// Takes the section's lines one by one; every fault names its line of the file.
class Leitor {
  public:
    Leitor(const std::vector<std::string>& lines, std::size_t inicio, const LocaleSettings& loc)
        : lines_(lines), next_(inicio), loc_(loc) {}

    [[noreturn]] void falha(std::size_t index, const std::string& what) const {
        throw SecaoAnaliseError(prefixo(index) + what);
    }

    // The next line's fields, at least `atLeast` of them.
    std::vector<std::string> linha(const char* what, std::size_t atLeast) {
        current_ = next_;
        if (next_ >= lines_.size()) falha(next_, std::string("falta a linha de ") + what + ".");
        auto f = fieldTexts(lines_[next_++]);
        if (f.size() < atLeast) falha(current_, std::string("faltam campos na linha de ") + what + ".");
        return f;
    }
    // Field 1 of the next line, as is.
    std::string texto(const char* what) { return linha(what, 2)[1]; }
    // Field 1 of the next line with "," and "." as the locale's decimal separator.
    std::string numero(const char* what) { return normaliza(texto(what)); }

    std::string normaliza(std::string s) const {
        for (char& c : s) {
            if (c == ',' || c == '.') c = loc_.decimalSeparator;
        }
        return s;
    }

    std::int64_t inteiro(const std::string& text, std::int64_t min, std::int64_t max) const {
        const auto v = tryReadInteger(text);
        if (!v) falha(current_, "'" + text + "' não é um número inteiro válido.");
        if (*v < min || *v > max) {
            falha(current_, "o valor " + text + " está fora do intervalo de " + std::to_string(min) + " a " +
                                std::to_string(max) + ".");
        }
        return *v;
    }
    // A count of the lines that follow; no more than the lines left can hold.
    std::size_t contagem(const std::string& text) const {
        const std::int64_t left = static_cast<std::int64_t>(lines_.size() - next_);
        const std::int64_t v = inteiro(text, 0, INT32_MAX);
        if (v > left) falha(current_, "a contagem " + text + " é maior que as linhas que restam no arquivo.");
        return static_cast<std::size_t>(v);
    }
    void checaNumero(const std::string& text) const {
        if (!tryReadNumber(text, loc_)) falha(current_, "'" + text + "' não é um número válido.");
    }
    // "0" is false, any other number true.
    bool booleano(const std::string& text) const {
        const auto v = tryReadNumber(normaliza(text), loc_);
        if (!v) falha(current_, "'" + text + "' não é um valor lógico válido (0 ou -1).");
        return *v != 0;
    }
    std::string peekLabel() const {
        return next_ < lines_.size() ? std::string(splitFields(lines_[next_])[0]) : std::string();
    }

    // Runs one of "Adicionar"'s reads, turning a text that is not a number into an error on
    // the current line.
    template <typename F>
    auto adiciona(F&& f) const {
        try {
            return f();
        } catch (const ConversionError& e) {
            falha(current_, e.what());
        }
    }
    // A refusal the load goes on after, as the windows tell it.
    void aviso(const std::string& what) { avisos_.push_back(what); }
    void avisoNaLinha(const std::string& what) { aviso(prefixo(current_) + what); }
    std::string prefixo(std::size_t index) const {
        return "Análise econômica do arquivo, linha " + std::to_string(index + 1) + ": ";
    }
    std::vector<std::string> avisos() { return std::move(avisos_); }

    const LocaleSettings& loc() const { return loc_; }

  private:
    const std::vector<std::string>& lines_;
    std::size_t next_;
    std::size_t current_ = 0;
    const LocaleSettings& loc_;
    std::vector<std::string> avisos_;
};

// The bands are rebuilt as "Adicionar" builds them: the first line is the "Abaixo de" band
// (its saved start is not used), a later line that reaches the ceiling is the "Acima de" band
// (it starts where the band before it ends), any other an "Entre" band. A band "Adicionar"
// would refuse is told and left out, and the reading goes on. A schedule that does not end
// with "Acima de" is told too and keeps its bands, billed as they were when saved.
void leTarifas(Leitor& r, TCamposTarifas& t) {
    const std::size_t n = r.contagem(r.texto("tarifas de água"));
    std::string fim;  // the end of the last band taken, as the file writes it
    for (std::size_t i = 0; i < n; ++i) {
        const auto f = r.linha("faixa de tarifa", 4);
        const std::string de = r.normaliza(f[0]), ate = r.normaliza(f[1]), custo = r.normaliza(f[2]);
        TipoFaixa tipo = TipoFaixa::AbaixoDe;
        if (i > 0) tipo = tryReadNumber(ate, r.loc()) == kTetoFaixa ? TipoFaixa::AcimaDe : TipoFaixa::Entre;
        const bool fixo = tipo == TipoFaixa::AbaixoDe && r.booleano(f[3]);
        const bool depois = tipo == TipoFaixa::AcimaDe && !t.vecTarifas.empty();
        const std::string& inicio = tipo == TipoFaixa::AbaixoDe ? ate : depois ? fim : de;
        try {
            const TFaixaLida lida =
                r.adiciona([&] { return leFaixa(t.vecTarifas, tipo, inicio, ate, custo, fixo, r.loc()); });
            t.vecTarifas.push_back(lida.faixa);
            t.vecLinhasFaixas.push_back(lida.strLinha);
            fim = ate;
        } catch (const FaixaRecusada& e) {
            r.avisoNaLinha("faixa \"" + e.faixa + "\": " + e.motivo);
        }
    }
    if (const auto recusa = RecusaTabela(t.vecTarifas, t.vecLinhasFaixas, r.loc()))
        r.aviso("Análise econômica do arquivo: " + *recusa);
}

void leEsgotoEImpostos(Leitor& r, TCamposTarifas& t) {
    // The sewer line is there only when a kind was chosen: without it, the tax line follows.
    if (r.peekLabel() != "Imposto agua fixo") {
        const auto f = r.linha("tarifa de esgoto", 3);
        t.strTarEsgoto = r.normaliza(f[1]);
        if (f[2] == "0") t.tipoEsgoto = TipoEsgoto::Fixa;
        if (f[2] == "1") t.tipoEsgoto = TipoEsgoto::Variavel;
    }
    t.strImpFixo = r.numero("imposto fixo sobre a água");
    t.strImpVar = r.numero("imposto variável sobre a água");
}

void leMotobomba(Leitor& r, TCamposMotobomba& m) {
    m.boolReserva = r.texto("quantidade de motobombas") != "1";
    const auto f = r.linha("potência da motobomba", 3);
    // A decimal power reads in any locale; a fraction such as "1/2" stays as written.
    m.strPotencia = r.normaliza(f[1]);
    m.indPotUnid = static_cast<int>(r.inteiro(f[2], -1, 1));
    m.strRendimento = r.numero("rendimento da motobomba");
    m.strVazao = r.numero("vazão da motobomba");
    m.strTempoPartida = r.numero("tempo de partida da motobomba");
    m.strCusto = r.numero("custo unitário da motobomba");
    m.strTarifaEn = r.numero("tarifa de energia elétrica");
    m.strImpFixo = r.numero("imposto fixo sobre a energia");
    m.strImpVar = r.numero("imposto variável sobre a energia");
}

void leManutencao(Leitor& r, std::vector<TManutencao>& itens) {
    const std::size_t k = r.contagem(r.texto("custos operacionais"));
    for (std::size_t i = 0; i < k; ++i) {
        const auto f = r.linha("custo operacional", 4);
        // No cost type chosen: both coefficients are kept as written.
        TManutencao item = r.adiciona(
            [&] { return LeManutencao(f[0], f[1], -1, r.normaliza(f[2]), r.normaliza(f[3]), r.loc()); });
        item.Cod = static_cast<std::int32_t>(i);
        itens.push_back(std::move(item));
    }
}

}  // namespace

TDadosAnalise LeSecaoAnalise(const std::vector<std::string>& lines, std::size_t inicio, bool usaResSup,
                             const LocaleSettings& loc, std::vector<std::string>& avisos) {
    Leitor r(lines, inicio, loc);
    TDadosAnalise d;
    d.analise.strVolume = r.numero("volume do reservatório inferior");
    r.checaNumero(d.analise.strVolume);
    leTarifas(r, d.tarifas);
    leEsgotoEImpostos(r, d.tarifas);
    d.analise.strInflacao = r.numero("inflação");
    d.analise.strPeriodoAumento = r.numero("reajuste das tarifas");
    d.analise.strPeriodoAnalise = r.numero("período de análise");
    d.analise.strTMA = r.numero("taxa mínima de atratividade");
    d.analise.indMesIn = static_cast<int>(r.inteiro(r.texto("mês de instalação"), 0, 11));
    d.iniciais.strCustoInf = r.numero("custo do reservatório inferior");
    d.iniciais.strCustoSup = r.numero("custo do reservatório superior");
    d.iniciais.strCustoMaoObra = r.numero("custo de mão de obra");
    d.iniciais.strCustoTubulacoes = r.numero("custo das tubulações");
    d.iniciais.strCustoAcessorios = r.numero("custo dos acessórios");
    // The pump block where the layout puts it, and wherever a "Quantidade" line stands in
    // place of "Custos operacionais" (the block saved by a program that judged otherwise).
    const std::string rotulo = r.peekLabel();
    if (rotulo == "Quantidade" || (usaResSup && rotulo != "Custos operacionais")) leMotobomba(r, d.motobomba);
    leManutencao(r, d.vecManutencao);
    avisos = r.avisos();
    return d;
}
