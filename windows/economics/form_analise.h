#pragma once
// The economic analysis window: the volume under analysis, the analysis settings, the buttons
// of the tariff and cost windows and "Calcular", which runs the analysis over the working
// simulation and shows the net present value, the payback month and the rate of return. It
// also saves, loads and clears the whole analysis.

#include <QDialog>
#include <QString>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "economics/analysis_fields.h"
#include "economics/tables.h"
#include "windows/economics/economics_state.h"

class AnaliseError;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class TformAnalise : public QDialog {
    Q_OBJECT
  public:
    explicit TformAnalise(QWidget* parent = nullptr);
    ~TformAnalise() override;

    static constexpr int kAlturaInicial = 475;
    static constexpr int kAlturaCalculada = 580;

    QLabel* Label9 = nullptr;   // "Volume do reservatório inferior:"
    QLabel* Label10 = nullptr;  // shows the volume under analysis, litres
    QLabel* Label11 = nullptr;  // "litros", kept 5 pixels right of Label10
    QPushButton* BTModificarVol = nullptr;
    QPushButton* BTTarifasAgua = nullptr;
    QPushButton* BTConsumosEconomias = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* edInflacao = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* edPeriodoAumento = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edPeriodoAnalise = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edTMA = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* CBMesIn = nullptr;
    QWidget* BTsCustos = nullptr;  // the category buttons
    QPushButton* BTCustosIniciais = nullptr;
    QPushButton* BTCustoMotobomba = nullptr;
    QPushButton* BTCustoManutencao = nullptr;
    QPushButton* BTCalcular = nullptr;
    QPushButton* BTCustosEconomia = nullptr;
    QLabel* Label3 = nullptr;  // net present value
    QLabel* Label4 = nullptr;  // payback
    QLabel* Label5 = nullptr;  // rate of return
    QPushButton* BTLimpar = nullptr;

    TEstadoAnalise estado;  // the boxes are painted from it, never read back for it
    std::unique_ptr<TCaptAgua>& simAnalise = estado.simAnalise;
    bool hasSimAnalise() const { return estado.simAnalise != nullptr; }

    // Everything the analysis windows hold, as "Calcular", the file and the export read it.
    TDadosAnalise dados() const;
    // What the costs and savings export writes besides its table.
    TExportacao dadosExportacao() const;

    // Sets the volume under analysis, shows it and keeps "litros" beside it.
    void defineVolume(const QString& volume);
    // Rebuilds the working simulation from the main simulation and the volume under analysis.
    void simulaCaptAgua();
    // Follows a new run of the main simulation: the working simulation again, then "Calcular",
    // which does not ask for the pump's data (only the user's "Calcular" does).
    void recalcula();
    // An input of the analysis changed: the result lines belong to the inputs they were
    // computed from, so they are cleared until "Calcular" runs again.
    void descartaResultado();
    // The lines of the economic section of the simulation file. Throws SecaoAnaliseError
    // when a box holds a text the file cannot keep.
    std::vector<std::string> SalvarAnaliseEcon() const;
    // Reads the economic section starting at lines[index] (the line after its marker) and
    // fills the windows; a malformed section is reported and changes nothing.
    void CarregaAnaliseEcon(const std::vector<std::string>& lines, std::size_t index);
    // Fills the windows with a section already read, then recalculates.
    void CarregaAnaliseEcon(const TDadosAnalise& d);
    // Clears every economic input and discards the working simulation.
    void LimparAnaliseEcon();

    void BTCalcularClick();
    void BTTarifasAguaClick();
    void BTModificarVolClick();
    void BTLimparClick();
    void BTConsumosEconomiasClick();
    void BTCustosEconomiaClick();
    void CategoryButtons1Categories0Items0Click();  // initial costs
    void BTsCustosCategories1Items0Click();         // pump
    void CategoryButtons1Categories1Items0Click();  // other operating costs
    void edPeriodoAnaliseChange();

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow: beside the main window

  private:
    void buildControls();
    // "Calcular". `peloUsuario`: the user's own, which asks for an incomplete pump window and
    // opens the window of a refused box; otherwise (a new run, a file read) an incomplete pump
    // only leaves the analysis without a result and no window opens by itself.
    void calcula(bool peloUsuario);
    void recusa(const AnaliseError& e, bool peloUsuario);
    // The result lines, the window's height and the table button follow the analysis's result.
    void mostraResultado();
    QLineEdit* campo(int campoAnalise) const;
};

extern TformAnalise* formAnalise;
