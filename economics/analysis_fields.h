#pragma once
// What the user entered in the economic analysis, as the windows hold it: the texts of the
// boxes exactly as typed (or as last set), the item indexes of the choices, and the two lists
// the windows build (the tariff schedule and the operating cost items). "Calcular", the
// section of the simulation file and the export all work from this one record.

#include <string>
#include <vector>

#include "economics/economic_records.h"

// The sewer tariff's kind, as the item index of its radio group.
enum class TipoEsgoto { Nenhum = -1, Fixa = 0, Variavel = 1 };

// The tariff window.
struct TCamposTarifas {
    TTarifas vecTarifas;
    // The band list's rows, one text per band ("Abaixo de 10 m³: R$20 (fixo)."); the list's
    // own first row, always empty, is not kept here.
    std::vector<std::string> vecLinhasFaixas;
    TipoEsgoto tipoEsgoto = TipoEsgoto::Nenhum;
    std::string strTarEsgoto;  // R$ per month (Fixa) or % of the water tariff (Variável)
    std::string strImpFixo;    // R$ per month
    std::string strImpVar;     // % of the water tariff
};

// The analysis window's settings.
struct TCamposAnalise {
    std::string strVolume;          // volume under analysis, litres
    std::string strInflacao;        // % per month
    std::string strPeriodoAumento;  // months between tariff adjustments
    std::string strPeriodoAnalise;  // years
    std::string strTMA;             // % per month
    int indMesIn = 0;               // month of installation, 0 = January
};

// The initial cost window, R$.
struct TCamposCustosIniciais {
    std::string strCustoInf;
    std::string strCustoSup;
    std::string strCustoMaoObra;
    std::string strCustoTubulacoes;
    std::string strCustoAcessorios;
};

// The pump window.
struct TCamposMotobomba {
    bool boolReserva = false;     // "Considerar motobomba de reserva"
    std::string strPotencia;      // power of one pump; in CV a fraction such as "1/2"
    int indPotUnid = -1;          // 0 = CV, 1 = W, -1 = none selected
    std::string strRendimento;    // %
    std::string strVazao;         // litres per hour
    std::string strTempoPartida;  // seconds charged for each start
    std::string strCusto;         // R$ per pump
    std::string strTarifaEn;      // R$ per kWh at installation
    std::string strImpFixo;       // R$ per monthly electricity bill
    std::string strImpVar;        // % of the electricity cost
};

// The whole analysis as entered.
struct TDadosAnalise {
    TCamposAnalise analise;
    TCamposTarifas tarifas;
    TCamposCustosIniciais iniciais;
    TCamposMotobomba motobomba;
    std::vector<TManutencao> vecManutencao;
};
