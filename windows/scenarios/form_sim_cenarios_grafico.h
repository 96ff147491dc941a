#pragma once
// The comparative chart of a scenario run: one parameter varies, every other keeps the value
// chosen in its list, and the chosen lower-reservoir range is swept for each value of the
// varying one. "OK" draws one savings-potential curve per value in the general chart window
// and opens one more results window with those simulations.

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "scenarios/combs.h"

class ChartSeries;
class QComboBox;
class QGroupBox;
class QPushButton;
class TformSimCenariosGrid;

class TformSimCenariosGrafico : public QDialog {
    Q_OBJECT
  public:
    explicit TformSimCenariosGrafico(QWidget* parent = nullptr);
    ~TformSimCenariosGrafico() override;

    QComboBox* CBParamVar = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // "Parâmetros fixos"
    QComboBox* CBDadosPrec = nullptr;
    QComboBox* CBAreaCapt = nullptr;
    QComboBox* CBDemPot = nullptr;
    QComboBox* CBNroMor = nullptr;
    QComboBox* CBPorcSubst = nullptr;
    QComboBox* CBCoefAprov = nullptr;
    QComboBox* CBResSup = nullptr;
    QComboBox* CBResInf = nullptr;
    QPushButton* BTGeraGrafs = nullptr;  // "OK"

    // For each item of CBParamVar, its parameter number (0 to 6).
    std::vector<int> indCBParamVar;
    // The results windows opened by "OK", newest last; each keeps its own set.
    std::vector<TformSimCenariosGrid*> janelasResultado;

    // "Gráfico" of a results window: fills the lists from its set and shows the window.
    void Preenche(std::shared_ptr<const TCombs> combs);
    // The combo box of parameter 0 to 7.
    QComboBox* combo(int param) const { return combos_[static_cast<std::size_t>(param)]; }

    // Event operations.
    void CBParamVarChange(int index);
    void BTGeraGrafsClick();

  private:
    void buildControls();

    std::array<QComboBox*, 8> combos_{};
    std::shared_ptr<const TCombs> combs_;
    // The curves drawn by the last "OK"; the general chart window shows them.
    std::vector<ChartSeries*> series_;
};

extern TformSimCenariosGrafico* formSimCenariosGrafico;
