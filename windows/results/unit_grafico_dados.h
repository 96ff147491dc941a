#pragma once
// The data sheet of a volume sweep.
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformGraficoDados : public QDialog {
    Q_OBJECT
public:
    explicit TformGraficoDados(QWidget* parent = nullptr);
};

extern TformGraficoDados* formGraficoDados;
