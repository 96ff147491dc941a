// Saving the current simulation to a file, loading one back into the window, and
// clearing every input.

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableWidget>

#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "engine/capt_agua.h"
#include "engine/engine_error.h"
#include "engine/sim_file.h"
#include "engine/upper_reservoir.h"
#include "windows/main/form_main.h"
#include "windows/main/main_links.h"

namespace {

const QString kCsvFilter = QStringLiteral("Arquivo CSV|*.csv");

// A series of one value is a fixed figure; anything else came from the series editor.
QString fixedOrVariable(const doubleArray& daily) {
    return daily.size() == 1 ? generalText(daily[0]) : kTextoVariavel;
}

}  // namespace

int IndexOfLine(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text) return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------------------------------
// Save

void TformMain::BTSalvarClick() {
    saveCurrent();
}

// The file holds what is on screen: the inputs are run first, as "Simular" runs them, and a
// run that stops on an error writes nothing (its message has been shown).
bool TformMain::saveCurrent() {
    if (RGResInf->itemIndex() != 0 && RGResInf->itemIndex() != 1) {
        ui().message(this, QStringLiteral("Salvar simulação"),
                     QStringLiteral("Escolha uma das simulações do reservatório inferior e preencha os "
                                    "campos antes de salvar."),
                     MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (!runInputs()) return false;
    const QString path = ui().saveFileName(this, QStringLiteral("Salvar simulação"), lastSaveName_,
                                           kCsvFilter, QStringLiteral("csv"));
    if (path.isEmpty()) return false;
    lastSaveName_ = path;
    if (!saveSimulation(path)) return false;
    unsaved_ = false;
    return true;
}

bool TformMain::saveSimulation(const QString& path) {
    try {
        simMain->saveSim(toUtf8(path), analiseEconLines(), appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Load

void TformMain::BTCarregarClick() {
    const QString path = ui().openFileName(this, QStringLiteral("Carregar simulação previamente salva"),
                                           lastOpenDir_, kCsvFilter);
    if (path.isEmpty()) return;
    openSimulation(path);
}

void TformMain::openSimulation(const QString& path) {
    lastOpenDir_ = QFileInfo(path).absolutePath();
    loadSimulation(path);
}

// The desktop's "open with" and `vespra FILE`: the file named on the command line, if any.
void TformMain::openFromCommandLine(const QString& file) {
    if (!file.isEmpty()) openSimulation(file);
}

void TformMain::loadSimulation(const QString& path) {
    // The file is read completely, its economic section included, before anything is cleared:
    // a file that cannot be read leaves the windows and the current simulation as they were.
    LoadedSimulation loaded;
    std::optional<TDadosAnalise> analise;
    std::vector<std::string> avisos;
    try {
        loaded = readSimulationFile(toUtf8(path), appLocale());
        analise = readAnaliseEcon(loaded.lines, loaded.sim->base(), avisos);
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    LimparCampos();
    releaseSweep(*simMain);
    simMain = std::move(loaded.sim);
    {
        const QScopedValueRollback<bool> refilling(refilling_, true);
        refillFromSim();
    }
    // A start date whose order of day and month the file does not show: say which was taken.
    if (!loaded.dateNotice.empty())
        ui().message(this, QStringLiteral("Data inicial"), fromUtf8(loaded.dateNotice), MsgIcon::Warning,
                     MsgButtons::Ok);
    // Tariff bands the tariff window would refuse: left out, the rest loaded, told once.
    if (!avisos.empty()) {
        QStringList textos;
        for (const std::string& aviso : avisos) textos << fromUtf8(aviso);
        showError(this, textos.join(QLatin1Char('\n')));
    }
    if (analise) loadAnaliseEcon(*analise);
    // The loaded set runs as the command line runs it; the window shows its results.
    try {
        runLoadedSimulation(*simMain);
    } catch (const EngineError& e) {
        showException(this, e);
        return;
    }
    showLoadedRun();
    afterRun();
    unsaved_ = false;  // what is on screen is the file
}

void TformMain::showLoadedRun() {
    if (simMain->isSweep()) {
        showSweepChart(*simMain);
        return;
    }
    setAnaliseVolume(ed_reservatorio_inf->text());
    showOneVolumeResults(simMain->base());
}

// Writes the loaded inputs into the controls; each write runs the control's own reaction,
// as the user's typing would.
void TformMain::refillFromSim() {
    const TCaptAgua& p = simMain->base();
    setPrecCell(PrecRowArquivo, QFileInfo(fromUtf8(p.strArqPrec)).fileName());
    setPrecCell(PrecRowRegistros, generalText(static_cast<double>(p.vecDadosPrecOrig.size())));
    setPrecCell(PrecRowData, fromUtf8(formatDate(p.dateDadosPrec, appLocale())));
    setPrecCell(PrecRowDescarte, generalText(p.dblDescartPrec));
    ed_captacao->setText(generalText(p.dblAreaCapt));
    ed_demanda->setText(fixedOrVariable(p.vecDemAguaPot));
    ed_moradores->setText(fixedOrVariable(p.vecNroMor));
    ed_porcentagem_subst->setText(generalText(p.dblPorcSubs * 100.0));
    ed_coef_aprov->setText(generalText(p.dblCoefAprov));
    // A value that matches no preset is shown in its box, next to "Outro valor".
    ed_porcentagem_subst->setVisible(cb_porcentagem_subst->currentIndex() == 10 ||
                                     ed_porcentagem_subst->isVisible());
    ed_coef_aprov->setVisible(cb_coef_aprov->currentIndex() == 10 || ed_coef_aprov->isVisible());
    if (p.strObs) {
        QStringList notes;
        for (const std::string& line : *p.strObs) notes << fromUtf8(line);
        MemObservacoes->setPlainText(notes.join(QLatin1Char('\n')));
    }
    memoPlaceholder_ = false;  // the file's notes, or none, are the user's own

    switch (const UpperReservoirMode mode = upperReservoirMode(p)) {
        case UpperReservoirMode::FromDemand:
            setResSupFromFile(mode, QString(), generalText(p.dblResSupMinRec));
            break;
        case UpperReservoirMode::ChosenVolume:
            setResSupFromFile(mode, generalText(p.dblResSup), generalText(p.dblResSupMinRec));
            break;
        case UpperReservoirMode::None:
            setResSupFromFile(mode, QString(), QString());
            break;
    }

    if (simMain->isSweep()) {
        RGResInf->setItemIndex(1);
        EdVolMaximo->setText(generalText(simMain->volmax));
        EdIntervaloVols->setText(generalText(simMain->interval));
        const bool ideal = simMain->delta != 0;
        CBVolIdeal->setChecked(ideal);
        if (ideal)
            EdDiferenca->setText(generalText(simMain->delta));
        else
            EdDiferenca->clear();
    } else {
        RGResInf->setItemIndex(0);
        ed_reservatorio_inf->setText(generalText(p.dblResInf));
    }
    // A box that already held the loaded text sends no change: run the reactions once more, so
    // the buttons follow what is now on screen.
    CheckValidData();
    if (RGResInf->itemIndex() == 0) ed_reservatorio_infChange();
}

// ---------------------------------------------------------------------------------------
// Clear

void TformMain::BTLimparClick() {
    if (askYesNo(this, QStringLiteral("Limpar campos"),
                 QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?")))
        LimparCampos();
}

void TformMain::LimparCampos() {
    const QScopedValueRollback<bool> refilling(refilling_, true);
    for (int row = 0; row < 4; ++row) setPrecCell(row, QString());
    ed_captacao->clear();
    MemObservacoes->clear();
    clearResSup();
    if (RGResInf->itemIndex() != 0) {
        EdVolMaximo->clear();
        EdIntervaloVols->clear();
        EdDiferenca->clear();
        CBVolIdeal->setChecked(false);  // its reaction hides the difference box
        clearSweepChart();
    } else {
        ed_reservatorio_inf->clear();
        PanelResultados->hide();
    }
    RGResInf->setItemIndex(-1);
    ed_demanda->clear();
    ed_moradores->clear();
    ed_porcentagem_subst->clear();
    cb_porcentagem_subst->setCurrentIndex(-1);
    ed_coef_aprov->clear();
    cb_coef_aprov->setCurrentIndex(-1);
    closeGrafico();
    // Every curve goes, whatever the mode: the next sweep starts on an empty chart.
    removeSweepLines();
    for (QPushButton* b : {BTCalcular, BTSalvar, BTLimpar, BTAnalise}) b->hide();
    BTAnalise->setEnabled(false);
    MenuMetodos->setEnabled(false);
    lastSaveName_.clear();
    GBSimulacao->hide();
    // The old set goes only now: the reactions above still read it.
    newSimMain();
    clearAnalise();
    memoPlaceholder_ = false;
    unsaved_ = false;
}

// The placeholder notes go away when the user starts writing; notes the user wrote stay.
void TformMain::MemObservacoesEnter() {
    if (!memoPlaceholder_) return;
    const QSignalBlocker quiet(MemObservacoes);  // removing the placeholder changes no input
    MemObservacoes->clear();
    memoPlaceholder_ = false;
}
