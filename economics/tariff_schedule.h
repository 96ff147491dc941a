#pragma once
// The shape of a tariff schedule that the bills and the simulation file can both use: a first
// band "Abaixo de" from 0, middle bands "Entre", each starting where the previous one ends,
// and a last band "Acima de" up to the ceiling. The tariff window's "Adicionar", "Concluir"
// and band removal and the file's reader all keep to it through these functions.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/locale_settings.h"
#include "economics/economic_records.h"

// The ceiling of the top band, m³ per month: volume above it is not billed.
inline constexpr double kTetoFaixa = 100000;

// The kinds of band, in the order the schedule is built.
enum class TipoFaixa { AbaixoDe, Entre, AcimaDe };

// The text shown when a middle band does not end above its start.
inline constexpr const char* kPreenchimentoIncorreto = "Preenchimento incorreto. Verifique os valores";

// A band that would break the schedule's shape. `faixa` names it as the list does, without its
// price ("Entre 10 e 15 m³"); `motivo` says what it breaks. A middle band that does not rise
// is told with the plain kPreenchimentoIncorreto, the band being the one just typed; any other
// refusal names the band.
class FaixaRecusada : public std::runtime_error {
  public:
    FaixaRecusada(const std::string& nomeFaixa, const std::string& motivoRecusa)
        : std::runtime_error(motivoRecusa == kPreenchimentoIncorreto
                                 ? motivoRecusa
                                 : "Faixa \"" + nomeFaixa + "\": " + motivoRecusa),
          faixa(nomeFaixa),
          motivo(motivoRecusa) {}
    std::string faixa;
    std::string motivo;
};

// The kind of band `i` of a schedule: the first is "Abaixo de", a later one that reaches the
// ceiling "Acima de", any other "Entre".
TipoFaixa TipoDaFaixa(const TTarifas& tarifas, std::size_t i);

// A band named as its list row names it: the row's text before its price, or, without a row,
// the band's limits in the general number text.
std::string NomeFaixa(const TTarifas& tarifas, const std::vector<std::string>& linhas, std::size_t i,
                      const LocaleSettings& loc);

// Refuses (FaixaRecusada) a band of kind `tipo` appended after `anteriores`, named `nome`,
// when the schedule would break its shape: a band after "Acima de", a first band that is not
// "Abaixo de" or a later one that is, a negative limit, a start other than the previous end,
// a middle band that does not rise, a limit at or above the ceiling (it could not be told from
// the top band once saved).
void ChecaFaixa(const TTarifas& anteriores, TipoFaixa tipo, const TContaAguaFaixa& faixa,
                const std::string& nome);

// "Concluir": the message refusing a schedule whose last band is not "Acima de" (it would
// leave the volume above it unbilled), naming that band; none for a schedule that ends with
// "Acima de" and for an empty one (the bills are then the fixed charges alone).
std::optional<std::string> RecusaTabela(const TTarifas& tarifas, const std::vector<std::string>& linhas,
                                        const LocaleSettings& loc);

// Removes band `i` and its row. The next band, if any, then starts where the removed one
// started (after the first band, it becomes the new "Abaixo de" at its own price per m³), so
// that the schedule keeps its shape. Refused with a message, nothing changed, for the first
// band while "Acima de" follows it directly (the schedule would start above 0).
std::optional<std::string> RemoveFaixa(TTarifas& tarifas, std::vector<std::string>& linhas, std::size_t i,
                                       const LocaleSettings& loc);
