#include "unit_grafico_dados.h"

TformGraficoDados* formGraficoDados = nullptr;

TformGraficoDados::TformGraficoDados(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoDados"));
    setWindowTitle(QStringLiteral("Planilha de dados"));
}
