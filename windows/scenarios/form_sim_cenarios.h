#pragma once
// The scenario simulation window: a list of values for each of the eight parameters, edited
// row by row in the list dialog; "Simular cenários" simulates every combination with a
// progress bar and lists them in the results window; "Limpar" empties the lists; the lists
// are saved to and opened from a scenario definition file.

#include <QDialog>
#include <memory>
#include <string>

#include "scenarios/combs.h"
#include "windows/scenarios/progress_panel.h"

class QCloseEvent;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QWidget;

// The window's scenario state: the current set, which a row edit writes into and a run
// replaces. A set handed to a results window is never edited afterwards: the next row edit
// starts a new current set from a copy of its lists.
struct EstadoSimCenarios {
    std::shared_ptr<TCombs> combsCurrent = std::make_shared<TCombs>();
    bool combsEntregue = false;  // combsCurrent is the set of a finished run
    // The folder of the definition file opened last: relative precipitation paths are found
    // there. Empty: the working folder.
    std::string pastaBase;
};

class TformSimCenarios : public QDialog {
    Q_OBJECT
  public:
    explicit TformSimCenarios(QWidget* parent = nullptr);

    QTableWidget* StringGrid1 = nullptr;  // column 0 the labels, column 1 the value-list texts
    QPushButton* BTSimular = nullptr;
    QPushButton* BTLimpar = nullptr;
    QPushButton* BTSalvarCenarios = nullptr;
    QPushButton* BTAbrirCenarios = nullptr;
    QWidget* PanelProgressBar = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* BTParar = nullptr;  // beside the progress bar: stops the run

    EstadoSimCenarios estado;

    // The value-list text of row 1 to 8.
    std::string texto(int linha) const;
    void setTexto(int linha, const std::string& texto);
    TextosCenarios textos() const;

    // The general-format values joined by "; ".
    static std::string VectorToString(const doubleArray& vec);

    // Event operations.
    void StringGrid1Click(int linha);
    void BTSimularClick();
    void BTLimparClick();
    void BTSalvarCenariosClick();
    void BTAbrirCenariosClick();
    void BTPararClick();

    // Whether a run is going on.
    bool rodando() const { return parada_.emCurso; }

  protected:
    // Esc and the title bar's close during a run ask whether to stop it; otherwise as usual.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void buildControls();
    // "Simular cenários" and "Salvar cenários" enabled exactly when all eight rows hold a text.
    void updateSimular();
    // Disables what would start a run again and shows the progress panel, or the reverse.
    void setRunning(bool running);
    // True when no value of `combs` breaks a range of the main window, or the user runs it anyway.
    bool aceitaForaDosLimites(const TCombs& combs);
    // Simulates every combination of `combs` into the results window.
    void runCombinations(const std::shared_ptr<TCombs>& combs);
    // The set a row edit may write into: never one a results window shows.
    TCombs& combsEditavel();
    // Esc or close during the batch: asks to stop; true while the batch runs (the window stays).
    bool perguntaParar();

    EstadoParada parada_;
    int alturaSemPainel_ = 0;  // the window's height when the run began
};

extern TformSimCenarios* formSimCenarios;
