#pragma once
// The water and sewer tariff window of the economic analysis: the schedule built band by band
// ("Abaixo de", then "Entre" and "Acima de"), the sewer tariff and the taxes on the water
// bill. "Concluir" prices the working simulation's months and fills the estimate table.

#include <QDialog>

#include "economics/analysis_fields.h"
#include "economics/tariffs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class RadioGroup;

// What the tariff window keeps beside its boxes: the schedule, the band list's rows and the
// monthly bills of the last "Concluir".
struct TEstadoTarifas {
    TTarifas vecTarifas;
    std::vector<std::string> vecLinhasFaixas;  // the band list after its empty first row
    TContas contas;                            // vecContaSemPluv, vecContaComPluv
};

class TformTarifasAgua : public QDialog {
    Q_OBJECT
  public:
    explicit TformTarifasAgua(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QComboBox* CBVolume = nullptr;
    QLineEdit* edVol1 = nullptr;
    QLabel* Label1 = nullptr;  // "e"
    QLineEdit* edVol2 = nullptr;
    QCheckBox* ChBCustoFixo = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edCusto = nullptr;
    QPushButton* BTAdicionar = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QPushButton* BTRemoverFaixa = nullptr;  // removes the band selected in the list
    RadioGroup* RGTarEsgoto = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* edTarEsgoto = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* edImpFixo = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* edImpVar = nullptr;
    QPushButton* BTLimpar = nullptr;
    QPushButton* BTConcluir = nullptr;

    TEstadoTarifas estado;

    // The window's entries as the analysis reads them.
    TCamposTarifas campos() const;
    // Puts a schedule read from a file into the window, in the state its bands leave it.
    void preenche(const TCamposTarifas& c);

    void BTAdicionarClick();
    // Refuses a schedule that does not end with "Acima de", then Conclui.
    void BTConcluirClick();
    // Prices the working simulation's months with the schedule as it is, fills the estimate
    // table and closes: "Concluir" once the schedule is accepted, and the loader's step (a file's
    // incomplete schedule has been told when it was read).
    void Conclui();
    // Removes the band selected in the list, keeping the schedule's shape (RemoveFaixa).
    void BTRemoverFaixaClick();
    void BTLimparClick();
    void CBVolumeChange();
    void ChBCustoFixoClick();
    void RGTarEsgotoClick();
    void edVolChange();  // edVol1Change, edVol2Change and edCustoChange
    void LimparTarifas();

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow

  private:
    void buildControls();
    void primeiraFaixa();      // entry of the first band
    void faixasSeguintes();    // entry of the middle and top bands
    void entradaAposFaixas();  // the entry where the schedule's last band leaves it
    void appendFaixa(const TFaixaLida& lida);
    void pintaFaixas();            // the list: its empty first row, then one row per band
    int faixaSelecionada() const;  // index of the band selected in the list, or -1
};

extern TformTarifasAgua* formTarifasAgua;
