#include "windows/main/main_links.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "economics/analysis_file.h"
#include "economics/file_section.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_volume_inf_analise.h"
#include "windows/main/form_citacao.h"
#include "windows/main/form_demanda.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/main/form_sobre.h"
#include "windows/main/form_validacao.h"
#include "windows/main/upper_reservoir_state.h"
#include "windows/methods/methods_links.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_props.h"
#include "windows/results/form_result_sim_mensal.h"
#include "windows/scenarios/form_sim_cenarios.h"

// ---------------------------------------------------------------------------------------
// The main window, for its dialogs

void mainInputsChanged() {
    if (formMain) formMain->inputsChanged();
}

QWidget* mainWindow() {
    return formMain;
}

std::optional<MainDemandInputs> mainDemandInputs() {
    if (!formMain || !formMain->simMain) return std::nullopt;
    const TCaptAgua& p = *formMain->simMain->vecCaptAgua[0];
    MainDemandInputs in;
    in.demanda = formMain->ed_demanda->text();
    in.moradores = formMain->ed_moradores->text();
    in.porcentagemSubst = formMain->ed_porcentagem_subst->text();
    if (!p.vecDemAguaPot.empty() || !p.vecDemAguaPotMensal.empty()) in.demandaMedia = p.meanDemAguaPot();
    if (!p.vecNroMor.empty() || !p.vecNroMorMensal.empty()) in.moradoresMedia = p.meanNroMor();
    return in;
}

// ---------------------------------------------------------------------------------------
// Upper reservoir

UpperReservoirMode resSupMode() {
    return resSupState().mode;
}

QString resSupVolumeText() {
    return resSupState().volume;
}

QString resSupThresholdText() {
    return resSupState().threshold;
}

void updateResSup() {
    if (formResSup) formResSup->setResSup();
}

void execResSup() {
    if (!formResSup) return;
    formResSup->defineFlagSimCen(false);
    ui().execModal(formResSup);
}

void setResSupFromFile(UpperReservoirMode mode, const QString& volume, const QString& threshold) {
    if (!formResSup) return;
    TformResSup& r = *formResSup;
    r.setMode(mode);
    if (mode == UpperReservoirMode::None) return;
    if (mode == UpperReservoirMode::ChosenVolume) {
        r.ed_reservatorio_sup->setEnabled(true);
        r.ed_reservatorio_sup->setText(volume);
    }
    r.edResSupRec->setText(threshold);
    r.RBVolResSupRec->setEnabled(true);
    r.RBVolResSupRec->setChecked(true);
    r.edResSupRec->setEnabled(true);
}

void clearResSup() {
    if (!formResSup) return;
    formResSup->setMode(UpperReservoirMode::None);
    formResSup->ed_reservatorio_sup->setText(QStringLiteral("0"));
    formResSup->edResSupRec->setText(QStringLiteral("0"));
    formResSup->uncheckThresholdButtons();
}

// ---------------------------------------------------------------------------------------
// Variable demand and occupants editor

std::optional<EditedSeries> editVariableSeries(QWidget* parent, const TCaptAguaInterval& sim, bool nroMor) {
    flagNroMor = nroMor;
    const auto editor = std::make_unique<TformDemanda>(parent);
    const TCaptAgua& p = sim.base();
    // A monthly series entered before any run has no daily array yet: it opens all the same.
    if (nroMor && (!p.vecNroMor.empty() || (p.boolNroMorMensal && !p.vecNroMorMensal.empty())))
        editor->LoadNroMor(sim);
    if (!nroMor && (!p.vecDemAguaPot.empty() || (p.boolDemAguaPotMensal && !p.vecDemAguaPotMensal.empty())))
        editor->LoadDemAguaPot(sim);
    editor->FormShow();
    if (ui().execModal(editor.get()) != QDialog::Accepted) return std::nullopt;
    // Read before anything changes: a value that does not read leaves the simulation whole.
    try {
        return EditedSeries{editor->seriesValues(), editor->isMensal()};
    } catch (const ConversionError& e) {
        showException(parent, e);
        return std::nullopt;
    }
}

void clearDemandEditor() {
    if (formDemanda) formDemanda->LimparDemandaVar();
}

// ---------------------------------------------------------------------------------------
// Economic analysis

void setAnaliseVolume(const QString& volume) {
    if (formAnalise) formAnalise->defineVolume(volume);
}

bool analiseStarted() {
    return formAnalise && formAnalise->hasSimAnalise();
}

void recomputeAnalise() {
    if (!analiseStarted()) return;
    formAnalise->recalcula();
}

void resimulateAnalise() {
    if (analiseStarted()) formAnalise->simulaCaptAgua();
}

void showAnalise() {
    if (formAnalise) formAnalise->show();
}

void execVolumeInfAnalise() {
    if (formVolumeInfAnalise) ui().execModal(formVolumeInfAnalise);
}

std::vector<std::string> analiseEconLines() {
    if (!formAnalise || !formAnalise->estado.temAnalise()) return {};
    return formAnalise->SalvarAnaliseEcon();
}

std::optional<TDadosAnalise> readAnaliseEcon(const std::vector<std::string>& lines, const TCaptAgua& loaded,
                                             std::vector<std::string>& avisos) {
    const auto marker = LinhaMarcadorAnalise(lines);
    if (!marker) return std::nullopt;
    return LeSecaoAnalise(lines, *marker + 1, UsaReservatorioSuperior(loaded), appLocale(), avisos);
}

void loadAnaliseEcon(const TDadosAnalise& dados) {
    if (!formAnalise) return;
    formAnalise->show();
    formAnalise->CarregaAnaliseEcon(dados);
}

void clearAnalise() {
    if (!analiseStarted()) return;
    formAnalise->LimparAnaliseEcon();
    formAnalise->close();
}

// ---------------------------------------------------------------------------------------
// Results

void showSweepChart(TCaptAguaInterval& sim) {
    if (!formGrafico) return;
    formGrafico->GenChart(sim, false);
    formGrafico->show();
}

void closeGrafico() {
    if (formGrafico) formGrafico->close();
}

void clearSweepChart() {
    removeSweepLines();
    if (formGraficoProps) {
        formGraficoProps->EdTitulo->clear();
        formGraficoProps->EdEixoX->clear();
        formGraficoProps->EdEixoY->clear();
        formGraficoProps->CBEstiloMarcador->setCurrentIndex(0);
    }
}

void removeSweepLines() {
    if (formGrafico) formGrafico->RemoveAllLines();
}

void releaseSweep(const TCaptAguaInterval& sim) {
    if (formGrafico) formGrafico->forgetSim(&sim);
}

void fillMonthlyResults(TCaptAgua& sim) {
    if (!formResultSimMensal) return;
    formResultSimMensal->DefineSimCurrent(sim);
    formResultSimMensal->FillGrid();
}

void showMonthlyResults() {
    if (formResultSimMensal) formResultSimMensal->show();
}

// ---------------------------------------------------------------------------------------
// Menu windows

void showSimCenarios() {
    if (formSimCenarios) formSimCenarios->show();
}

void showCitacao() {
    if (formCitacao) formCitacao->show();
}

void execValidacao() {
    if (formValidacao) ui().execModal(formValidacao);
}

void execSobre() {
    if (formSobre) ui().execModal(formSobre);
}

void showHelp(QWidget* parent) {
    exibeAjuda(parent);
}

void execMetodosDimensionamento(const TCaptAgua& sim) {
    execMetodos(sim, mainWindow());
}
