#pragma once
// The properties of the sweep chart: title, axis titles, marker style, colours and the
// maximum of the vertical axis. For now the boxes exist (the main window's clearing empties
// them); their effect on the chart comes with the result charts.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

class TformGraficoProps : public QDialog {
    Q_OBJECT
public:
    explicit TformGraficoProps(QWidget* parent = nullptr);

    QLineEdit* EdTitulo = nullptr;
    QLineEdit* EdEixoX = nullptr;
    QLineEdit* EdEixoY = nullptr;
    QComboBox* CBEstiloMarcador = nullptr;  // "Quadrado", "Círculo", "Triângulo", "Sem marcador"
    QLineEdit* EdMaxEixoY = nullptr;
};

extern TformGraficoProps* formGraficoProps;
