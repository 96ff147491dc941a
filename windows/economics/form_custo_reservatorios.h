#pragma once
// The initial costs of the economic analysis: the lower and upper reservoirs, labour, pipes
// and accessories, charged to the month of installation. The upper reservoir's cost shows
// only while the simulation uses an upper reservoir.

#include <QDialog>

#include "economics/analysis_fields.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class TformCustoReservatorios : public QDialog {
    Q_OBJECT
  public:
    explicit TformCustoReservatorios(QWidget* parent = nullptr);

    QGroupBox* GBResInf = nullptr;
    QLineEdit* edCustoInf = nullptr;
    QGroupBox* GBResSup = nullptr;
    QLineEdit* edCustoSup = nullptr;
    QGroupBox* GBMaoDeObra = nullptr;
    QLineEdit* edCustoMaoObra = nullptr;
    QGroupBox* GBTubulacoes = nullptr;
    QLineEdit* edCustoTubulacoes = nullptr;
    QGroupBox* GBAcessorios = nullptr;
    QLineEdit* edCustoAcessorios = nullptr;
    QPushButton* BTConcluir = nullptr;

    TCamposCustosIniciais campos() const;
    void preenche(const TCamposCustosIniciais& c);
    void Limpa();

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow

  private:
    QGroupBox* makeGroup(const char* name, const QString& caption, const char* editName, QLineEdit*& edit);
};

extern TformCustoReservatorios* formCustoReservatorios;
