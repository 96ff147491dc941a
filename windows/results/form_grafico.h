#pragma once
// The chart of volume sweeps: the potential for potable-water savings against the
// lower-reservoir volume, one curve per sweep with its ideal volume as a black marker. From
// it the user opens the sweep's further charts (rainwater consumption, demand service,
// overflow) in the general chart window, its data sheet and the chart properties, and
// exports the chart as a JPEG image.

#include <QDialog>
#include <QPointer>
#include <vector>

#include "components/chart_series.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"

class ChartView;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;

class TformGrafico : public QDialog {
    Q_OBJECT
  public:
    explicit TformGrafico(QWidget* parent = nullptr);

    QPushButton* BTConsPluv = nullptr;      // "Consumo de água pluvial"
    QPushButton* BTAtendimento = nullptr;   // "Atendimento de água pluvial"
    QPushButton* BTVExtravasado = nullptr;  // "Volume extravasado"
    QPushButton* BTPlanilha = nullptr;      // "Planilha de dados"
    ChartView* Chart1 = nullptr;
    QLabel* Label1 = nullptr;  // mouse readout
    QLabel* Label2 = nullptr;  // ideal volume
    // "Marcar os volumes dos métodos da NBR 15527:2007": each method's volume marked on the
    // savings curve of the sweep drawn last, at that volume's own savings, and listed below.
    QCheckBox* CBMetodos = nullptr;
    QLabel* LabelMetodos = nullptr;
    QMenu* PopupMenu1 = nullptr;  // the chart's context menu
    QAction* Propriedades1 = nullptr;
    QAction* Limpar1 = nullptr;
    QAction* ExportarparaJPG1 = nullptr;

    // The curve of the sweep drawn last (owned by the chart, null once the chart dropped it);
    // the properties dialog and the mouse readout work on it.
    QPointer<ChartSeries> SeriesSim;
    // The sweep drawn last; not owned. Null before the first sweep and after its owner said
    // it discards it (forgetSim): the buttons and "Propriedades" are then disabled.
    const TCaptAguaInterval* simCurrent = nullptr;

    // Draws a sweep as one more curve, first removing every earlier one when flagClearSeries
    // is true.
    void GenChart(TCaptAguaInterval& sim, bool flagClearSeries);
    // Removes every curve from the chart (the main window's clearing).
    void RemoveAllLines();
    // The owner of `sim` is about to release or rebuild it: the window stops using it. The
    // curves already drawn stay.
    void forgetSim(const TCaptAguaInterval* sim);

    // Event operations.
    void BTConsPluvClick();
    void BTAtendimentoClick();
    void BTVExtravasadoClick();
    void BTPlanilhaClick();
    void Propriedades1Click();
    void Limpar1Click();
    void ExportarparaJPG1Click();
    void Chart1MouseMove(QPoint pos);
    void CBMetodosClick();
    void FormClose();

    // Closing the window, by the user or by the program, runs FormClose.
    void done(int result) override;

  private:
    void buildControls();
    void buildMenu();
    void updateCommands();
    void drawIdealVolume(const TCaptAguaInterval& sim);
    // Removes the methods' marks and, with CBMetodos checked and a sweep, draws them again.
    void drawMethodVolumes();
    std::vector<QPointer<ChartSeries>> methodSeries_;
    // One of the further charts: the series' titles and the member value each draws.
    struct FurtherLine {
        QString title;
        double TCaptAgua::*value;
    };
    void showFurtherChart(const std::vector<FurtherLine>& lines, const QString& caption,
                          const QString& axisTitle, const QString& unit, bool serviceShares);
    void dropFurtherSeries();

    // The series of the last further chart, made and owned here, drawn by the general chart
    // window until the next further chart replaces them.
    std::vector<ChartSeries*> furtherSeries_;
};

extern TformGrafico* formGrafico;
