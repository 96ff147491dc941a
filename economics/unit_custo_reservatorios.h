#pragma once
// The initial (reservoir) cost window of the economic analysis.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformCustoReservatorios : public QDialog {
    Q_OBJECT
  public:
    explicit TformCustoReservatorios(QWidget* parent = nullptr);
};

extern TformCustoReservatorios* formCustoReservatorios;
