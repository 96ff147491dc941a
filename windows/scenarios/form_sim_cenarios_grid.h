#pragma once
// The results of a scenario run: one row per combination, a row click opening that
// combination in the sweep chart or the monthly table, the export of the sheet alone or with
// one simulation file per combination, and the comparative chart. The window keeps the
// scenario set of the rows it shows, so that every use re-simulates what was run.

#include <QDialog>
#include <memory>
#include <vector>

#include "engine/capt_agua_interval.h"
#include "scenarios/combs.h"
#include "scenarios/result_rows.h"
#include "windows/scenarios/progress_panel.h"

class DataGrid;
class QAction;
class QCloseEvent;
class QShowEvent;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class QWidget;

class TformSimCenariosGrid : public QDialog {
    Q_OBJECT
  public:
    explicit TformSimCenariosGrid(QWidget* parent = nullptr);
    ~TformSimCenariosGrid() override;

    DataGrid* NxGrResult = nullptr;
    QToolButton* BTExport = nullptr;  // "Exportar somente planilha", with the menu below
    QMenu* PopupMenu1 = nullptr;
    QAction* BTExpSomPlan = nullptr;
    QAction* BTExpPlanSims = nullptr;
    QPushButton* BTGrafico = nullptr;
    QWidget* PanelProgressBar = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* BTParar = nullptr;  // beside the progress bar: stops the export

    // The highlight of a row looked at.
    static QColor corDestaque();

    // The set whose rows the grid shows; shared with whoever else uses it.
    void DefineCombs(std::shared_ptr<const TCombs> combsOrig);
    const std::shared_ptr<const TCombs>& combs() const { return combs_; }
    // The rows shown, as built by the scenario computations.
    const std::vector<LinhaResultado>& linhas() const { return linhas_; }
    void clearRows();
    // Appends one combination's row (its number must be the count of rows so far).
    void printResultGrid(LinhaResultado linha);
    // Every row at once, in place of the rows shown (a set whose rows are all made).
    void mostraLinhas(std::vector<LinhaResultado> linhas);
    // "Gráfico" after a run: enabled exactly when a lower reservoir of the set is a range.
    void defineGrafico(bool habilitado);
    // The comparison's results window has no "Gráfico".
    void hideGrafico();

    // Every cell white again: the rows looked at lose their mark.
    void whitenGrid();

    // Event operations.
    void NxGrResultCellClick(int ACol, int ARow);
    void BTExportClick();
    void BTExpSomPlanClick();
    void BTExpPlanSimsClick();
    void BTGraficoClick();
    void BTPararClick();

  protected:
    // Opens as wide as every column needs, the result column included, within the screen.
    void showEvent(QShowEvent* event) override;
    // Esc and the title bar's close during an export ask whether to stop it.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void dropClickedSim();
    // Esc or close during the batch: asks to stop; true while the batch runs (the window stays).
    bool perguntaParar();

    std::shared_ptr<const TCombs> combs_;
    std::vector<LinhaResultado> linhas_;
    bool graficoHabilitado_ = false;
    bool graficoOculto_ = false;
    // The simulation of the row clicked last, which the chart or the monthly table shows.
    std::shared_ptr<TCaptAguaInterval> simClicada_;
    EstadoParada parada_;
};

extern TformSimCenariosGrid* formSimCenariosGrid;
