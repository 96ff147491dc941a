#pragma once
// The properties of the sweep chart: its title, the titles of its axes, the marker style and
// the colours of the latest curve, and the maximum of the vertical axis. The dialog works on
// the chart that draws the series it was given; before it was given one it changes nothing.

#include <QDialog>
#include <QPointer>

#include "components/chart_series.h"
#include "components/chart_view.h"
#include "engine/capt_agua_interval.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TformGraficoProps : public QDialog {
    Q_OBJECT
  public:
    explicit TformGraficoProps(QWidget* parent = nullptr);

    QLineEdit* EdTitulo = nullptr;          // "Título"
    QLineEdit* EdEixoX = nullptr;           // "Eixo X": the bottom axis title
    QLineEdit* EdEixoY = nullptr;           // "Eixo Y": the left axis title
    QComboBox* CBEstiloMarcador = nullptr;  // "Quadrado", "Círculo", "Triângulo", "Sem marcador"
    QLineEdit* EdMaxEixoY = nullptr;        // "Valor máximo do eixo y"
    QGroupBox* GBModificarCor = nullptr;    // "Modificar Cor"
    QPushButton* BTCorLinha = nullptr;      // "Linha"
    QPushButton* BTCorMarc = nullptr;       // "Marcadores"
    QPushButton* BTConcluir = nullptr;      // "Concluir"

    // Neither is owned. The series is watched: once its chart deletes it the dialog forgets
    // it; the chart is the one drawing the series when it is given.
    QPointer<ChartSeries> SeriesSim;
    const TCaptAguaInterval* simCurrent = nullptr;
    void defineSeries(ChartSeries* serie);
    void defineSimCurrent(const TCaptAguaInterval* sim) { simCurrent = sim; }
    // The chart the dialog acts on (defineSeries sets it from the series).
    void defineChart(ChartView* chart) { chart_ = chart; }
    ChartView* chart() const { return chart_; }

    // Event operations.
    void FormShow();
    void EdTituloChange();
    void CBEstiloMarcadorChange();
    void BTCorLinhaClick();
    void BTCorMarcClick();
    void BTConcluirClick();

    // The item of CBEstiloMarcador for a style and back.
    static int markerItem(MarkerStyle style);
    static MarkerStyle markerStyleOf(int item);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPointer<ChartView> chart_;
};

extern TformGraficoProps* formGraficoProps;
