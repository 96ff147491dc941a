#pragma once
// The table of the first estimates of monthly water consumption and savings.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformEconomiaAgua : public QDialog {
    Q_OBJECT
  public:
    explicit TformEconomiaAgua(QWidget* parent = nullptr);
};

extern TformEconomiaAgua* formEconomiaAgua;
