#include "economics/costs.h"

#include <limits>
#include <stdexcept>

#include "common/numtext.h"
#include "economics/field_reads.h"
#include "economics/months.h"
#include "economics/tariffs.h"
#include "engine/capt_agua.h"

namespace {

void adiciona(TPeriodo& periodo, std::string nome, double valor) {
    periodo.Custo.push_back({std::move(nome), Currency::fromDouble(valor)});
}

// A coefficient read as money: the strict read rounded to four decimals.
double leMoeda(std::string_view text, const LocaleSettings& loc) {
    const double v = readStrict(text, loc);
    try {
        return Currency::fromDouble(v).toDouble();
    } catch (const std::range_error&) {
        throw ConversionError("'" + std::string(text) + "' não é um valor monetário válido.");
    }
}

}  // namespace

void AddCustosIniciais(std::vector<TPeriodo>& periodos, const TCamposCustosIniciais& c, bool usaResSup,
                       const LocaleSettings& loc) {
    // Each refusal names the box as the initial cost window labels it.
    struct Item {
        const std::string& texto;
        const char* nome;
        const char* caixa;
        bool aplica;
    };
    const Item itens[] = {
        {c.strCustoInf, "Reservatório inferior", "Reservatório inferior: custo (R$)", true},
        {c.strCustoSup, "Reservatório superior", "Reservatório superior: custo (R$)", usaResSup},
        {c.strCustoMaoObra, "Mão-de-obra", "Mão de obra: custo (R$)", true},
        {c.strCustoTubulacoes, "Tubulações", "Tubulações: custo (R$)", true},
        {c.strCustoAcessorios, "Acessórios", "Acessórios: custo (R$)", true}};
    for (const Item& it : itens) {
        if (!it.aplica || it.texto.empty()) continue;
        const double v = leNumeroCampo(it.texto, CampoAnalise::CustosIniciais, it.caixa, loc);
        try {
            adiciona(periodos.at(0), it.nome, v);
        } catch (const std::range_error& e) {
            throw AnaliseError(CampoAnalise::CustosIniciais, std::string(it.caixa) + ": " + e.what());
        }
    }
}

double PotenciaMotobomba(std::string_view texto, int indPotUnid, const LocaleSettings& loc) {
    const std::string rotulo = "Potência unitária";
    if (indPotUnid == 1) return leNumeroCampo(texto, CampoAnalise::Motobomba, rotulo, loc) / 1000;
    const std::size_t barra = texto.find('/');
    if (barra == std::string_view::npos)
        return leNumeroCampo(texto, CampoAnalise::Motobomba, rotulo, loc) * 746 / 1000;
    const double n = leNumeroCampo(texto.substr(0, barra), CampoAnalise::Motobomba, rotulo, loc);
    const double d = leNumeroCampo(texto.substr(barra + 1), CampoAnalise::Motobomba, rotulo, loc);
    if (d == 0) {
        throw AnaliseError(CampoAnalise::Motobomba,
                           rotulo + ": a fração '" + std::string(texto) + "' divide por zero.");
    }
    return n * 746 / (d * 1000);
}

double HorasFuncionamento(int dias, double ciclosPorDia, double tempoPartidaSegundos, double litrosRecalcados,
                          double vazaoLitrosHora) {
    return dias * ciclosPorDia * tempoPartidaSegundos / 3600 + litrosRecalcados / vazaoLitrosHora;
}

double EnergiaMotobomba(double potenciaKW, double rendimento, double horas) {
    return potenciaKW / (rendimento / 100) * horas;
}

bool MotobombaCompleta(const TCamposMotobomba& c) {
    for (const std::string* s : {&c.strPotencia, &c.strRendimento, &c.strVazao, &c.strTempoPartida,
                                 &c.strCusto, &c.strTarifaEn, &c.strImpFixo, &c.strImpVar}) {
        if (s->empty()) return false;
    }
    return true;
}

bool ConcluiMotobomba(TCamposMotobomba& c) {
    if (c.strImpFixo.empty()) c.strImpFixo = "0";
    if (c.strImpVar.empty()) c.strImpVar = "0";
    return CampoMotobombaVazio(c).empty();
}

std::string CampoMotobombaVazio(const TCamposMotobomba& c) {
    if (c.strPotencia.empty()) return "Potência unitária";
    if (c.indPotUnid < 0) return "Unidade da potência";
    if (c.strVazao.empty()) return "Vazão (litros/hora)";
    if (c.strTempoPartida.empty()) return "Tempo de partida (segundos)";
    if (c.strCusto.empty()) return "Custo Unitário (R$)";
    if (c.strTarifaEn.empty()) return "Tarifa de energia elétrica (R$/kWh)";
    return {};
}

TMotobomba LeMotobomba(const TCamposMotobomba& c, const LocaleSettings& loc) {
    const auto campo = CampoAnalise::Motobomba;
    TMotobomba mb;
    mb.potenciaKW = PotenciaMotobomba(c.strPotencia, c.indPotUnid, loc);
    mb.custo = leNumeroCampo(c.strCusto, campo, "Custo Unitário (R$)", loc);
    try {
        (void)Currency::fromDouble(mb.custo * 2);  // the purchase of two pumps, as money
    } catch (const std::range_error& e) {
        throw AnaliseError(campo, std::string("Custo Unitário (R$): ") + e.what());
    }
    mb.tempoPartida = leNumeroCampo(c.strTempoPartida, campo, "Tempo de partida (segundos)", loc);
    mb.vazao = leNumeroCampo(c.strVazao, campo, "Vazão (litros/hora)", loc);
    mb.rendimento = leNumeroCampo(c.strRendimento, campo, "Rendimento (%)", loc);
    mb.tarifaEn = leNumeroCampo(c.strTarifaEn, campo, "Tarifa de energia elétrica (R$/kWh)", loc);
    mb.impFixo = readLenient(c.strImpFixo, loc);
    mb.impVar = readLenient(c.strImpVar, loc);
    mb.reserva = c.boolReserva;
    // Both divide the pumped litres and the power: no defined energy at zero or below.
    if (!(mb.vazao > 0))
        throw AnaliseError(campo, "Vazão (litros/hora): a vazão da motobomba deve ser maior que zero.");
    if (!(mb.rendimento > 0))
        throw AnaliseError(campo, "Rendimento (%): o rendimento da motobomba deve ser maior que zero.");
    return mb;
}

void AddCustoMotobomba(std::vector<TPeriodo>& periodos, const TMotobomba& mb, const TCaptAgua& sim,
                       const TReajuste& r) {
    adiciona(periodos.at(0), kCustoMotobomba, mb.custo * (mb.reserva ? 2 : 1));
    const int n = static_cast<int>(periodos.size());
    for (int p = 1; p < n; ++p) {
        const int m = mesCalendario(p, r.mesIn);
        const double horas = HorasFuncionamento(diasDoMes(m), valorDoMes(sim.vecContRec, m), mb.tempoPartida,
                                                valorDoMes(sim.vecVRecalc, m), mb.vazao);
        const double energia = EnergiaMotobomba(mb.potenciaKW, mb.rendimento, horas);
        const double custo = TarifaEnergia(mb.tarifaEn, p, r.periodoAumento, r.inflacao) * energia;
        adiciona(periodos[static_cast<std::size_t>(p)], kEnergiaMotobomba,
                 custo * (1 + mb.impVar / 100) + mb.impFixo);
    }
}

TManutencao LeManutencao(std::string_view nome, std::string_view meses, int tipo, std::string_view coefLinear,
                         std::string_view coefAngular, const LocaleSettings& loc) {
    TManutencao item;
    item.Nome = std::string(nome);
    const std::int64_t p = readInteger(meses);
    if (p < std::numeric_limits<std::int32_t>::min() || p > std::numeric_limits<std::int32_t>::max()) {
        throw ConversionError("'" + std::string(meses) + "' não é um número inteiro válido.");
    }
    item.Periodo = static_cast<std::int32_t>(p);
    item.CoefLinear = leMoeda(coefLinear, loc);
    item.CoefAngular = tipo == 0 ? 0.0 : leMoeda(coefAngular, loc);
    return item;
}

void ChecaPeriodicidade(const TManutencao& item) {
    if (item.Periodo < 1) {
        throw AnaliseError(CampoAnalise::Manutencao, "Periodicidade (meses) do custo operacional \"" +
                                                         item.Nome +
                                                         "\": a periodicidade deve ser de pelo menos 1 mês.");
    }
}

std::array<std::string, 4> LinhaManutencao(const TManutencao& item, const LocaleSettings& loc) {
    return {item.Nome, std::to_string(item.Periodo),
            formatCurrencyGeneral(Currency::fromDouble(item.CoefLinear), loc),
            formatCurrencyGeneral(Currency::fromDouble(item.CoefAngular), loc)};
}

std::vector<std::array<std::string, 4>> LinhasManutencao(const std::vector<TManutencao>& itens,
                                                         const LocaleSettings& loc) {
    std::vector<std::array<std::string, 4>> linhas;
    linhas.reserve(itens.size());
    for (const TManutencao& item : itens) linhas.push_back(LinhaManutencao(item, loc));
    return linhas;
}

void ExcluiManutencao(std::vector<TManutencao>& itens, std::size_t ind) {
    if (ind >= itens.size()) return;
    itens.erase(itens.begin() + static_cast<std::ptrdiff_t>(ind));
    for (std::size_t i = 0; i < itens.size(); ++i) itens[i].Cod = static_cast<std::int32_t>(i);
}

void AddCustoManutencao(std::vector<TPeriodo>& periodos, const std::vector<TManutencao>& itens,
                        const TCaptAgua& sim, const TReajuste& r) {
    const int n = static_cast<int>(periodos.size());
    for (const TManutencao& item : itens) {
        ChecaPeriodicidade(item);
        const int P = item.Periodo;
        const int K = (n - 1) / P;
        for (int c = 1; c <= K; ++c) {
            const int e = c * P;
            double base = item.CoefLinear;
            if (item.CoefAngular != 0) {
                base = item.CoefAngular * valorDoMes(sim.vecVConsPluv, mesCalendario(e, r.mesIn)) / 1000 +
                       item.CoefLinear;
            }
            adiciona(periodos[static_cast<std::size_t>(e)], item.Nome,
                     base * FatorReajuste(e, r.inflacao, r.periodoAumento));
        }
    }
}
