#pragma once
// The lower-reservoir range dialog of the scenario data entry.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformCenariosDadosResInf : public QDialog {
    Q_OBJECT
  public:
    explicit TformCenariosDadosResInf(QWidget* parent = nullptr);
};

extern TformCenariosDadosResInf* formCenariosDadosResInf;
