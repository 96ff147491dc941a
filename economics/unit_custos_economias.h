#pragma once
// The month-by-month table of costs and savings of the economic analysis.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformCustosEconomias : public QDialog {
    Q_OBJECT
  public:
    explicit TformCustosEconomias(QWidget* parent = nullptr);
};

extern TformCustosEconomias* formCustosEconomias;
