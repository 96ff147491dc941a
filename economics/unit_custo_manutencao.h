#pragma once
// The list of other operating costs of the economic analysis.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformCustoManutencao : public QDialog {
    Q_OBJECT
  public:
    explicit TformCustoManutencao(QWidget* parent = nullptr);
};

extern TformCustoManutencao* formCustoManutencao;
