#pragma once
// The records of the economic analysis: savings and costs of the analysis months, the water
// tariff schedule and the operating cost items. Money kept in a record is a Currency amount
// (ten-thousandths of a real); intermediate figures are doubles.

#include <cstdint>
#include <string>
#include <vector>

#include "common/currency.h"

// The saving of one analysis month.
struct TEconomia {
    std::string Nome;  // "Economia de água potável" once set
    Currency Valor;    // R$ in that month
};

// One cost item of one analysis month.
struct TCusto {
    std::string Nome;  // fixed label of the item, or the name of an operating cost item
    Currency Valor;    // R$ in that month
};

// One analysis month (month 0 is the month the system is installed).
struct TPeriodo {
    TEconomia Economia;
    std::vector<TCusto> Custo;  // in the order they were charged
};

// One consumption band of the water tariff, m³ per month.
struct TContaAguaFaixa {
    double De = 0;
    double Ate = 0;
    double Valor = 0;   // R$ per m³, or a flat R$ amount when Fixo
    bool Fixo = false;  // the band costs Valor once when any volume falls in it
};

// A tariff schedule: bands in the order entered (first band, middle bands, top band).
using TTarifas = std::vector<TContaAguaFaixa>;

// An operating cost item (maintenance, water treatment and the like).
struct TManutencao {
    std::int32_t Cod = 0;  // position in its list, kept equal to the index
    std::string Nome;
    double CoefLinear = 0;     // R$; the whole cost of a fixed item
    double CoefAngular = 0;    // R$ per m³ of rainwater consumed in the month; 0 for a fixed item
    std::int32_t Periodo = 0;  // months between charges
};
