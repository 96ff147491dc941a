#pragma once
// The pump that feeds the upper reservoir: its power, efficiency, flow and start-up time, its
// price and the electricity tariff with its taxes. "Concluir" closes only a complete window.

#include <QDialog>

#include "economics/analysis_fields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TformCustoMotobomba : public QDialog {
    Q_OBJECT
  public:
    explicit TformCustoMotobomba(QWidget* parent = nullptr);

    QLabel* LabelPotencia = nullptr;
    QLineEdit* edPotencia = nullptr;
    QComboBox* CBPotUnid = nullptr;
    QLabel* LabelRendimento = nullptr;
    QLineEdit* edRendimento = nullptr;
    QLabel* LabelVazao = nullptr;
    QLineEdit* edVazao = nullptr;
    QLabel* LabelTempoPartida = nullptr;
    QLineEdit* edTempoPartida = nullptr;
    QLabel* LabelCusto = nullptr;
    QLineEdit* edCusto = nullptr;
    QLabel* LabelTarifaEn = nullptr;
    QLineEdit* edTarifaEn = nullptr;
    QLabel* LabelImpFixo = nullptr;
    QLineEdit* edImpFixo = nullptr;
    QLabel* LabelImpVar = nullptr;
    QLineEdit* edImpVar = nullptr;
    QCheckBox* cbMbReserva = nullptr;
    QPushButton* BTConcluir = nullptr;

    TCamposMotobomba campos() const;
    void preenche(const TCamposMotobomba& c);
    // Empties every box and the unit; the reserve pump keeps its state.
    void Limpa();

    void BTConcluirClick();
    void CBPotUnidChange();
    void edTarifaEnChange();
};

extern TformCustoMotobomba* formCustoMotobomba;
