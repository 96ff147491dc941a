#pragma once
// The pump cost window of the economic analysis.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformCustoMotobomba : public QDialog {
    Q_OBJECT
  public:
    explicit TformCustoMotobomba(QWidget* parent = nullptr);
};

extern TformCustoMotobomba* formCustoMotobomba;
