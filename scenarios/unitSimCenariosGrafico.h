#pragma once
// The comparative chart settings of the scenario simulation.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformSimCenariosGrafico : public QDialog {
    Q_OBJECT
  public:
    explicit TformSimCenariosGrafico(QWidget* parent = nullptr);
};

extern TformSimCenariosGrafico* formSimCenariosGrafico;
