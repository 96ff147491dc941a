#pragma once
// The lower-reservoir range dialog of the scenario data entry: the largest volume, the step
// between volumes and the ideal-volume criterion, kept as typed once they make a range.

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

class TformCenariosDadosResInf : public QDialog {
    Q_OBJECT
  public:
    explicit TformCenariosDadosResInf(QWidget* parent = nullptr);

    QLineEdit* EdVolMaximo = nullptr;      // litres
    QLineEdit* EdIntervaloVols = nullptr;  // litres
    QLineEdit* EdDiferenca = nullptr;      // %/m³
    QPushButton* btConcluir = nullptr;

    // The list item: "Intervalo de volumes: " and the three texts as typed.
    std::string ResInfToStr() const;

    // "Concluir": closes only on a range of volumes with a step above 0.
    void btConcluirClick();
};

extern TformCenariosDadosResInf* formCenariosDadosResInf;
