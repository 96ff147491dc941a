#pragma once
// The scenario simulation window, opened from the main window's menu. For now it exists with
// its caption; the scenario entry, batch run and results come with the scenario module.

#include <QDialog>

class TformSimCenarios : public QDialog {
    Q_OBJECT
  public:
    explicit TformSimCenarios(QWidget* parent = nullptr);
};

extern TformSimCenarios* formSimCenarios;
