#pragma once
// The main window: the inputs of one rainwater system, the choice between one lower-reservoir
// volume and a sweep of volumes, the run and its results, and the menu of the program.

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QWidget;
class RadioGroup;

// What the demand and occupants boxes read while they stand for a series of the editor.
inline const QString kTextoVariavel = QStringLiteral("Variável");

// Rows of the precipitation grid strGridPrec (column 0 holds the labels, column 1 the values).
enum PrecGridRow { PrecRowArquivo = 0, PrecRowRegistros = 1, PrecRowData = 2, PrecRowDescarte = 3 };

class TformMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit TformMain(QWidget* parent = nullptr);
    ~TformMain() override;

    // The current simulation set; member 0 carries every input of the window.
    std::unique_ptr<TCaptAguaInterval> simMain;
    TCaptAguaInterval& sim() { return *simMain; }
    // Discards the current set and puts a new empty one in its place.
    void newSimMain();

    // Precipitation record and parameters.
    QPushButton* BTCarregar = nullptr;
    QTableWidget* strGridPrec = nullptr;
    QPushButton* BTImportarEstacao = nullptr;  // "Importar arquivo de estação..."
    QLabel* LabelCaptacao = nullptr;
    QLineEdit* ed_captacao = nullptr;
    QLabel* LabelDemanda = nullptr;
    QLineEdit* ed_demanda = nullptr;
    QPushButton* BTDemPluvVariavel = nullptr;
    QLabel* LabelMoradores = nullptr;
    QLineEdit* ed_moradores = nullptr;
    QPushButton* BTNroMorVariavel = nullptr;
    QLabel* LabelPorcentagemSubst = nullptr;
    QComboBox* cb_porcentagem_subst = nullptr;
    QLineEdit* ed_porcentagem_subst = nullptr;
    QLabel* LabelCoefAprov = nullptr;
    QComboBox* cb_coef_aprov = nullptr;
    QLineEdit* ed_coef_aprov = nullptr;
    QLabel* LabelObservacoes = nullptr;
    QPlainTextEdit* MemObservacoes = nullptr;
    QPushButton* BTResSup = nullptr;

    // Lower reservoir: mode and its two pages.
    RadioGroup* RGResInf = nullptr;
    QGroupBox* GBSimulacao = nullptr;
    QStackedWidget* PagesSimulacao = nullptr;
    QWidget* PanelUmaSimulacao = nullptr;
    QLabel* LabelReservatorioInf = nullptr;
    QLineEdit* ed_reservatorio_inf = nullptr;
    QWidget* PanelResultados = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QPushButton* BTValsMensais = nullptr;
    QWidget* PanelVariasSimulacoes = nullptr;
    QLabel* LabelVolMaximo = nullptr;
    QLineEdit* EdVolMaximo = nullptr;
    QLabel* LabelIntervaloVols = nullptr;
    QLineEdit* EdIntervaloVols = nullptr;
    QCheckBox* CBVolIdeal = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* EdDiferenca = nullptr;

    // Commands.
    QPushButton* BTCalcular = nullptr;
    QPushButton* BTSalvar = nullptr;
    QPushButton* BTLimpar = nullptr;
    QPushButton* BTAnalise = nullptr;

    // Menu bar.
    QMenu* MenuSimulacao = nullptr;
    QMenu* MenuCarregar = nullptr;
    QAction* MenuCarregarSimulacao = nullptr;  // "Simulação previamente salva"
    QAction* MenuCarregarDadosPrec = nullptr;  // "Dados de precipitação"
    QAction* MenuImportarEstacao = nullptr;    // "Arquivo de estação..."
    QAction* MenuSalvarSimulacao = nullptr;
    QAction* MenuSimCenarios = nullptr;
    QAction* MenuMetodos = nullptr;  // "Métodos de dimensionamento (NBR 15527:2007)", after a run
    QAction* MenuLimparCampos = nullptr;
    QAction* MenuSair = nullptr;
    QAction* MenuAjuda = nullptr;
    QAction* MenuCitacao = nullptr;
    QAction* MenuValidacao = nullptr;
    QAction* MenuSobre = nullptr;

    // Run and results.
    void CheckValidData();
    void BTCalcularClick();
    void BTValsMensaisClick();
    void BTAnaliseClick();

    // Mode and ideal volume.
    void RGResInfClick(int index);
    void CBVolIdealClick();

    // Preset lists and their custom-value boxes.
    void cb_porcentagem_substChange(int index);
    void ed_porcentagem_substChange();
    bool ed_porcentagem_substExit();  // false when the range message was shown
    void cb_coef_aprovChange(int index);
    void ed_coef_aprovChange();
    bool ed_coef_aprovExit();

    // Change reactions of the other boxes.
    void ed_captacaoChange();
    void ed_demandaChange();
    void ed_moradoresChange();
    void ed_reservatorio_infChange();

    // Variable series and upper reservoir.
    void BTDemPluvVariavelClick();
    void BTNroMorVariavelClick();
    void ed_demandaClick();
    void ed_moradoresClick();
    void BTResSupClick();

    // Precipitation grid.
    void strGridPrecSelectCell(int col, int row);
    void strGridPrecClick();
    // Asks for a precipitation file and reads it into a new simulation set.
    void choosePrecFile();
    // Reads the file at `path` into a new set; false (after a message) when it cannot be read.
    bool loadPrecFile(const QString& path);
    // Imports a weather station's daily file: the record written is loaded as a chosen one,
    // and its first day becomes the start date.
    void BTImportarEstacaoClick();

    // Save, load and clear.
    void BTSalvarClick();
    void BTCarregarClick();
    void BTLimparClick();
    void LimparCampos();
    void MemObservacoesEnter();
    // Reads a simulation file and refills the window from it, then runs it.
    void loadSimulation(const QString& path);
    // Opens a simulation file as "Carregar simulação" opens the one chosen in its dialog (a
    // file that cannot be read shows its message and leaves the window as it was); the
    // dialog starts in that file's folder next time.
    void openSimulation(const QString& path);
    // `vespra FILE`: opens the simulation file named on the command line; none when empty.
    void openFromCommandLine(const QString& file);
    // Runs the window's current inputs as "Simular" does; false when the run stopped (after
    // its message) or there is no mode to run.
    bool runInputs();
    // An input changed (here or in a dialog that holds inputs of the simulation); the
    // program's own refill after a load and its clear do not count.
    void inputsChanged() {
        if (!refilling_) unsaved_ = true;
    }

    // Menu commands.
    void MenuAjudaClick();
    void MenuCitacaoClick();
    void MenuValidacaoClick();
    void MenuSobreClick();
    void MenuSimCenariosClick();
    void MenuMetodosClick();

    // Texts of the value cells of the precipitation grid.
    QString precCell(int row) const;
    void setPrecCell(int row, const QString& text);

    // The label of the start-date row, with the locale's short date pattern.
    static QString precDateLabel();
    // The three lines the observations memo opens with.
    static QStringList placeholderObservacoes();

    // Texts of the preset lists, in item order.
    static QStringList percentageItems();
    static QStringList coefficientItems();
    // The values that items 0..9 of cb_coef_aprov write into ed_coef_aprov, with the locale.
    static QStringList coefficientValues();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Offers to save unsaved work before the window (and the program) closes.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void buildPrecGrid();
    void connectReactions();
    void installKeyFilters();
    void connectChangeTracking();
    bool requiredFilled() const;
    double readPrecCell(int row) const;
    TDate readPrecDate() const;
    bool runSweep();  // false when the sweep was refused
    bool runOneVolume(TCaptAgua& p);
    void showOneVolumeResults(TCaptAgua& p);
    void afterRun();
    void showLoadedRun();
    void readUpperReservoir(TCaptAgua& p);
    void showResults(const TCaptAgua& p);
    void refillFromSim();
    TObsListRef observationLines() const;
    std::optional<double> idealVolume() const;
    bool saveSimulation(const QString& path);
    bool saveCurrent();  // runs, asks for a file and writes it; false when nothing was written
    void moveAnaliseLabel11();

    bool unsaved_ = false;          // inputs changed or a run not saved
    bool memoPlaceholder_ = true;   // the memo holds its opening placeholder, not the user's notes
    bool refilling_ = false;        // the program is writing the controls (load, clear)
    bool exitCheckActive_ = false;  // a range message of a custom box is being handled
    QString lastOpenDir_;           // where the file-open dialog starts
    QString lastSaveName_;          // the save dialog's last file name, forgotten by a clear
};

extern TformMain* formMain;

// Index of the first line equal to `text` (whole line, case-sensitive), or -1.
int IndexOfLine(const std::vector<std::string>& lines, const std::string& text);
