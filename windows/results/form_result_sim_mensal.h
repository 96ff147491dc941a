#pragma once
// The month-by-month results of one simulation: for each calendar month the rainwater share
// of consumption, the mean daily rainwater, potable-water and overflow volumes, the shares
// of days with the demand met completely, partially or not at all and the pump cycles per
// day, then a row of means and a row of yearly totals. The window shows the table of the
// last simulation it was given until it is given another.

#include <QDialog>

#include "engine/capt_agua.h"

class DataGrid;

class TformResultSimMensal : public QDialog {
    Q_OBJECT
  public:
    explicit TformResultSimMensal(QWidget* parent = nullptr);

    DataGrid* NextGrid1 = nullptr;

    // The simulation to show; not owned, it must stay valid until FillGrid has run.
    const TCaptAgua* simCurrent = nullptr;
    void DefineSimCurrent(const TCaptAgua& sim) { simCurrent = &sim; }
    // Empties the grid and fills it with the table of simCurrent.
    void FillGrid();

    static constexpr int kRowMedia = 12;
    static constexpr int kRowTotal = 13;
    // Background of the means and totals rows.
    static QColor summaryColour();

  private:
    void buildGrid();
};

extern TformResultSimMensal* formResultSimMensal;
