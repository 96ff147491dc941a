#pragma once
// The list dialog in which one scenario parameter's values are edited; each use sets the
// caption to the parameter's name.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformCenariosDados : public QDialog {
    Q_OBJECT
  public:
    explicit TformCenariosDados(QWidget* parent = nullptr);
};

extern TformCenariosDados* formCenariosDados;
