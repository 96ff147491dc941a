#pragma once
// The data sheet of a volume sweep: one row per simulated volume with its results and the
// gain in rainwater service per cubic metre over the previous volume, the ideal volume's row
// in light green. A click on a row opens that volume's monthly table; the sheet can be
// exported as a ';'-separated file.

#include <QColor>
#include <QDialog>
#include <string>
#include <vector>

#include "engine/capt_agua_interval.h"
#include "engine/sweep_table.h"

class DataGrid;
class QPushButton;

class TformGraficoDados : public QDialog {
    Q_OBJECT
  public:
    explicit TformGraficoDados(QWidget* parent = nullptr);

    DataGrid* NextGrid1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Exportar para CSV"

    // The sweep shown; not owned: it must stay valid while the sheet is in use.
    const TCaptAguaInterval* sim = nullptr;
    void DefineSim(const TCaptAguaInterval& simOrig) { sim = &simOrig; }
    void DefineSim(const TCaptAguaInterval* simOrig) { sim = simOrig; }

    // One row per member of `sim`; the ideal volume's row in idealColour().
    void FillStrGrid();
    // Asks for a file name and writes the sheet there (nothing when cancelled).
    void Button1Click();
    // Shows the monthly table of the row's volume (not modal).
    void NextGrid1CellClick(int ACol, int ARow);
    // Moves the window to the top left corner of its screen.
    void FormShow();

    // The lines of the export, UTF-8, without line ends: the headers, then one line per row
    // of the table last filled.
    std::vector<std::string> csvLines() const;

    static QColor idealColour() { return QColor(192, 220, 192); }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildGrid();

    int gridWidth_ = 0;  // pixels that show every column
    SweepTable table_;   // what the grid paints and the export writes
};

extern TformGraficoDados* formGraficoDados;
