#pragma once
// The estimate table of the economic analysis: for each calendar month the working
// simulation's consumption and pumping and the water bills without and with rainwater.
// The tariff window's "Concluir" fills it; clearing the analysis empties it.

#include <QDialog>
#include <vector>

#include "economics/tables.h"

class DataGrid;

class TformEconomiaAgua : public QDialog {
    Q_OBJECT
  public:
    explicit TformEconomiaAgua(QWidget* parent = nullptr);

    DataGrid* NextGrid1 = nullptr;

    // The rows shown, as the export writes them.
    const std::vector<TLinhaEstimativa>& linhas() const { return linhas_; }
    void Preenche(const std::vector<TLinhaEstimativa>& linhas);
    void Limpa();

  private:
    std::vector<TLinhaEstimativa> linhas_;
};

extern TformEconomiaAgua* formEconomiaAgua;
