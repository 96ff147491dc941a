#pragma once
// The water and sewer tariff window of the economic analysis.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformTarifasAgua : public QDialog {
    Q_OBJECT
  public:
    explicit TformTarifasAgua(QWidget* parent = nullptr);
};

extern TformTarifasAgua* formTarifasAgua;
