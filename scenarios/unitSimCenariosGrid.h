#pragma once
// The results grid of a scenario simulation.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformSimCenariosGrid : public QDialog {
    Q_OBJECT
public:
    explicit TformSimCenariosGrid(QWidget* parent = nullptr);
};

extern TformSimCenariosGrid* formSimCenariosGrid;
