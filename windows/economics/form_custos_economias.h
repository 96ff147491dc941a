#pragma once
// The month-by-month costs and savings of the last "Calcular", in a simplified view (one row
// per month) or a detailed one (every cost item), with the copy of a selection and the export
// of the whole analysis. Each opening is a new window holding a snapshot of the calculation.

#include <QDialog>
#include <vector>

#include "common/arrays.h"
#include "components/data_grid.h"
#include "economics/analysis.h"
#include "economics/economic_records.h"
#include "economics/tables.h"

class QPushButton;
class RadioGroup;

class TformCustosEconomias : public QDialog {
    Q_OBJECT
  public:
    // Takes its months from the analysis's last result.
    explicit TformCustosEconomias(QWidget* parent = nullptr);

    RadioGroup* RGDados = nullptr;
    DataGrid* SGCustosEconomias = nullptr;
    QPushButton* BTExportar = nullptr;

    // The rows shown, header row first.
    const TTabelaCustos& tabela() const { return tabela_; }

    void RGDadosClick();
    void LimpaStringGrid();
    void PreencheSimplificado();
    void PreencheDetalhado();
    void BTExportarClick();
    // Ctrl+C: the selected cells to the clipboard.
    void copiaSelecao();

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void pinta(const TTabelaCustos& tabela, const std::vector<int>& larguras);

    TResultadoAnalise resultado_;  // empty when the analysis had none
    int mesIn_ = 0;
    TTabelaCustos tabela_;
};

extern TformCustosEconomias* formCustosEconomias;
