#pragma once
// The general chart window (overflow, rainwater consumption, demand service, scenario comparison).
// For now the window exists with its caption; its contents come with its module.

#include <QDialog>

class TformGraficoVextravasado : public QDialog {
    Q_OBJECT
public:
    explicit TformGraficoVextravasado(QWidget* parent = nullptr);
};

extern TformGraficoVextravasado* formGraficoVextravasado;
