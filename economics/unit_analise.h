#pragma once
// The economic analysis window. For now it holds what the main window reads and calls: the
// volume labels, the "Calcular" button, the analysis-period box, the working simulation
// (none until the analysis starts) and the save, load and clear operations of the
// analysis; the analysis itself comes with the economic module.

#include <QDialog>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/unit_classe.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TformAnalise : public QDialog {
    Q_OBJECT
  public:
    explicit TformAnalise(QWidget* parent = nullptr);
    ~TformAnalise() override;

    QLabel* Label9 = nullptr;   // "Volume do reservatório inferior:"
    QLabel* Label10 = nullptr;  // the volume under analysis, litres, as text
    QLabel* Label11 = nullptr;  // "litros", kept 5 pixels right of Label10
    QLabel* Label1 = nullptr;   // "Período de análise (anos)"
    QLineEdit* edPeriodoAnalise = nullptr;
    QPushButton* BTCalcular = nullptr;

    // The analysis's working simulation; none until the analysis starts.
    std::unique_ptr<TCaptAgua> simAnalise;
    bool hasSimAnalise() const { return simAnalise != nullptr; }

    // Rebuilds the working simulation from the main simulation and the volume in Label10.
    void simulaCaptAgua();
    // The lines of the economic section of the simulation file.
    std::vector<std::string> SalvarAnaliseEcon();
    // Reads the economic section starting at lines[index] (the line after its marker).
    void CarregaAnaliseEcon(const std::vector<std::string>& lines, std::size_t index);
    // Clears every economic input and discards the working simulation.
    void LimparAnaliseEcon();
};

extern TformAnalise* formAnalise;
