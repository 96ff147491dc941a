#pragma once
// Where the economic analysis windows reach the windows outside the analysis: the main
// window's simulation and the upper reservoir dialog's choice.

class TCaptAgua;
class QWidget;

// Whether the simulation uses an upper reservoir (the upper reservoir dialog's choice is not
// "Não utilizar reservatório superior").
bool usaReservatorioSuperior();
// The main window's simulation whose inputs the analysis copies; none before the windows exist.
const TCaptAgua* simulacaoPrincipal();
// The main window, beside which the analysis window is placed.
QWidget* janelaPrincipal();
