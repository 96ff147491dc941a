#pragma once
// The editor of one operating-cost item of the economic analysis.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformEditCustoManutencao : public QDialog {
    Q_OBJECT
  public:
    explicit TformEditCustoManutencao(QWidget* parent = nullptr);
};

extern TformEditCustoManutencao* formEditCustoManutencao;
