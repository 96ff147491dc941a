#pragma once
// The sizing methods of NBR 15527:2007 on the main window's simulation: the dry months of
// Azevedo Neto, the interception and confidence of the Australian method, "Calcular", the
// mean year's rain P and dry months T, and one row a method with its volume and the results
// of that volume's own daily simulation (or why the method does not apply); "Exportar" writes
// the table as ';'-separated Windows-1252 text. Made afresh for each use and shown modally.

#include <QDialog>
#include <optional>

#include "engine/sizing_methods.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class TCaptAgua;

class TformMetodos : public QDialog {
    Q_OBJECT
  public:
    explicit TformMetodos(QWidget* parent = nullptr);

    QLabel* LabelMesesSecos = nullptr;
    QLineEdit* EdMesesSecos = nullptr;  // empty: counted from the mean year
    QLabel* LabelInterceptacao = nullptr;
    QLineEdit* EdInterceptacao = nullptr;
    QLabel* LabelConfianca = nullptr;
    QLineEdit* EdConfianca = nullptr;
    QPushButton* BTCalcular = nullptr;
    QPushButton* BTExportar = nullptr;
    QLabel* LabelPrecAnual = nullptr;
    QLabel* LabelMesesSecosCalc = nullptr;
    DataGrid* NxGrMetodos = nullptr;

    // The simulation whose inputs the methods read; not owned, valid while the window is shown.
    const TCaptAgua* simCurrent = nullptr;
    void DefineSimCurrent(const TCaptAgua& sim) { simCurrent = &sim; }

    // The last table calculated, none before "Calcular".
    std::optional<ResultadoMetodos> resultado;

    void BTCalcularClick();
    void BTExportarClick();

  private:
    void buildControls();
    // The parameters the boxes hold; none (after the message naming the box) when one is wrong.
    std::optional<ParametrosMetodos> readParametros();
    void paint();
};
