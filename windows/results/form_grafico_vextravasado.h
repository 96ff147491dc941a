#pragma once
// The general chart window: line series over the lower-reservoir volume that other windows
// make and hand over (a sweep's overflow, rainwater consumption and demand-service charts,
// the scenario comparison). The window styles them, reads out the value under the mouse and
// exports the chart as a JPEG image; closing it removes the series and makes the vertical
// axis automatic again for the next use.

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include "components/chart_series.h"

class ChartView;
class QAction;
class QLabel;
class QMenu;

class TformGraficoVextravasado : public QDialog {
    Q_OBJECT
  public:
    explicit TformGraficoVextravasado(QWidget* parent = nullptr);

    ChartView* ChartVextravasado = nullptr;
    QLabel* Label1 = nullptr;  // mouse readout
    QMenu* PopupMenu1 = nullptr;
    QAction* ExportarparaJPG1 = nullptr;

    // The series shown, in the order added; they belong to the windows that made them (a
    // series its maker deletes drops out of the list).
    QList<QPointer<ChartSeries>> listSeries;
    // The unit written after a value in the readout ("litros/dia", "%").
    QString sTextoAdicionalUnid;

    // Circles, shown, and a line width of 2; the series is drawn after the others.
    void AddLineSeries(ChartSeries* serie);
    // No series; the vertical axis back to automatic limits and label step.
    void RemoveLineSeries();
    void LeftAxisTitle(const QString& text);
    void TextoAdicionalUnid(const QString& text);

    // Event operations.
    void ChartVextravasadoMouseMove(QPoint pos);
    void ExportarparaJPG1Click();
    void FormClose();

    // Closing the window, by the user or by the program, runs FormClose.
    void done(int result) override;
};

extern TformGraficoVextravasado* formGraficoVextravasado;
