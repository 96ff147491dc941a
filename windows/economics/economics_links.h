#pragma once
// Where the economic analysis windows reach each other and the windows outside the analysis:
// the main window's simulation and the upper reservoir dialog's choice. Each call goes
// through a window's global instance and does nothing (or answers "none") while that window
// does not exist, as in tests that build only some of the windows.

#include <QString>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "economics/analysis_fields.h"
#include "economics/economic_records.h"
#include "economics/tables.h"

class TCaptAgua;
class QObject;
class QWidget;
struct TEstadoAnalise;

// Whether the simulation uses an upper reservoir: the upper reservoir dialog's choice is not
// "Não utilizar reservatório superior", nor a chosen volume of 0 L (usesUpperReservoir).
bool usaReservatorioSuperior();
// The main window's simulation whose inputs the analysis copies; none before the windows exist.
const TCaptAgua* simulacaoPrincipal();
// The main window, beside which the analysis window is placed.
QWidget* janelaPrincipal();

// A change of one of these controls (a box, a list, a check box, a radio group, a grid's rows)
// is a change of the analysis's inputs: the analysis window clears its result.
void ligaEntradasAnalise(std::initializer_list<QObject*> entradas);

// The analysis window: its state (volume, working simulation, last result), the volume a user
// types, the estimate button and what the export writes.
const TEstadoAnalise* estadoAnalise();
void defineVolumeAnalise(const QString& volume);
void mostraBotaoEstimativas();
TExportacao exportacaoAnalise();
// Opens another costs and savings window over the analysis window's last result.
void abreCustosEconomias(QWidget* parent);

// The analysis's input windows: what each holds, filling one with a file's record as a user
// would leave it, showing it modally and emptying it.
TCamposTarifas camposTarifas();
void carregaTarifas(const TCamposTarifas& c);  // then "Concluir"
void execTarifas();
void limpaTarifas();
TCamposCustosIniciais camposCustosIniciais();
void carregaCustosIniciais(const TCamposCustosIniciais& c);
void execCustosIniciais();
void limpaCustosIniciais();
TCamposMotobomba camposMotobomba();
void carregaMotobomba(const TCamposMotobomba& c);  // shown, then "Concluir"
void execMotobomba();
void limpaMotobomba();
std::vector<TManutencao> itensManutencao();
void carregaManutencao(const std::vector<TManutencao>& itens);
void execManutencao();
void limpaManutencao();
void pedeVolumeAnalise();  // the volume window, modally
// A "Calcular" refused for a box of the tariff, initial cost or pump window (`campo`, a
// CampoAnalise): that window opens modally with the focus on the box the message names.
void abreCampoRecusado(int campo, const QString& mensagem);

// The estimate table.
std::vector<TLinhaEstimativa> linhasEstimativas();
void preencheEstimativas(const std::vector<TLinhaEstimativa>& linhas);
void mostraEstimativas();
void limpaEstimativas();

// The operating cost list and its edit window.
bool temListaManutencao();
void modificaItemManutencao(std::size_t ind, const TManutencao& item);
void excluiItemManutencao(std::size_t ind);
void carregaEdicaoManutencao(std::size_t ind, const TManutencao& item);
// Whether the edit window holds an item clicked in the list.
bool edicaoManutencaoCarregada();
void mostraEdicaoManutencao();
void limpaEdicaoManutencao();
