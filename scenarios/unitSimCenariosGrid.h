#pragma once
// The results grid of a scenario simulation.
// For now the window exists with its caption and its (empty) grid; its contents come with
// its module.

#include <QDialog>

class DataGrid;

class TformSimCenariosGrid : public QDialog {
    Q_OBJECT
  public:
    explicit TformSimCenariosGrid(QWidget* parent = nullptr);

    DataGrid* NxGrResult = nullptr;

    // Every cell white again: the rows looked at lose their mark.
    void whitenGrid();
};

extern TformSimCenariosGrid* formSimCenariosGrid;
