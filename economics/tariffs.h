#pragma once
// The water bill: the tariff schedule's bands, the sewer tariff and the taxes, priced over
// the working simulation's monthly volumes; and the price adjustment of later months.

#include <array>
#include <string>
#include <string_view>

#include "common/locale_settings.h"
#include "economics/analysis_fields.h"
#include "economics/tariff_schedule.h"
#include "engine/capt_agua.h"

// The water bill in R$ of `volume` m³ in one month, before sewer and taxes: bands in schedule
// order, each consumed in full when the volume lies strictly above its end; a flat band costs
// its value once when any volume falls in it.
double TotalConta(double volume, const TTarifas& tarifas);

// Price factor of analysis month i (0 = installation): prices stay flat for periodo_aumento
// months, then jump by the inflation (% per month) compounded over the months elapsed.
// Throws AnaliseError when the interval is not at least one month.
double FatorReajuste(int i, double inflacao, int periodo_aumento);

// The electricity tariff (R$/kWh) of analysis month `periodo`, valor_inicial at installation.
double TarifaEnergia(double valor_inicial, int periodo, int periodo_aumento, double inflacao);

// The sewer tariff and the taxes on the water bill, as numbers.
struct TEsgotoImpostos {
    TipoEsgoto tipo = TipoEsgoto::Nenhum;
    double esgoto = 0;   // R$ per month (Fixa) or % of the water tariff
    double impFixo = 0;  // R$ per month
    double impVar = 0;   // % of the water tariff
};

// Reads the tariff window's sewer and tax boxes: the taxes leniently (empty or not a number
// is 0); the sewer leniently with "Fixa", strictly with "Variável" or with a value typed and
// no kind selected (then billed as "Variável"); no kind and no value is no sewer charge.
// Throws AnaliseError naming the sewer box when its strict read fails.
TEsgotoImpostos leEsgotoImpostos(const TCamposTarifas& campos, const LocaleSettings& loc);

// The monthly bill of `volume` m³ with sewer and taxes: a flat sewer charge is not taxed; a
// sewer percentage and the variable tax are both added to the water tariff, not compounded.
double ValorConta(double volume, const TTarifas& tarifas, const TEsgotoImpostos& esgoto);

// The bills of the twelve calendar months (0 = January) without and with rainwater use.
struct TContas {
    std::array<double, 12> vecContaSemPluv{};  // R$: the whole demand bought from the utility
    std::array<double, 12> vecContaComPluv{};  // R$: only the potable water bought
};
TContas CalculaContas(const TTarifas& tarifas, const TEsgotoImpostos& esgoto, const TCaptAgua& sim);

// A band read from the tariff window's boxes, with its row of the band list.
struct TFaixaLida {
    TContaAguaFaixa faixa;
    std::string strLinha;
};
// "Adicionar": reads the band's numbers strictly (ConversionError when one is not a number)
// and refuses, with FaixaRecusada, a band that cannot follow the bands `anteriores` already
// hold (ChecaFaixa: an "Entre" band whose first volume is not below its second is told
// "Preenchimento incorreto. Verifique os valores"). `vol2` is used only by "Entre", `fixo`
// only by "Abaixo de". The row repeats the texts as typed.
TFaixaLida leFaixa(const TTarifas& anteriores, TipoFaixa tipo, std::string_view vol1, std::string_view vol2,
                   std::string_view custo, bool fixo, const LocaleSettings& loc);
