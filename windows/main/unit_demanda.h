#pragma once
// The editor of a variable demand or a variable number of occupants. For now the window
// exists with its caption; its editing comes with the variable-series editor.

#include <QDialog>

class TformDemanda : public QDialog {
    Q_OBJECT
  public:
    explicit TformDemanda(QWidget* parent = nullptr);
};

extern TformDemanda* formDemanda;
