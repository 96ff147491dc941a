// The run of the main window ("Simular") and the opening of the economic analysis.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "components/app_locale.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "engine/capt_agua.h"
#include "engine/engine_error.h"
#include "windows/main/form_main.h"
#include "windows/main/main_links.h"

// The memo's lines as the simulation keeps them: an empty memo has no line, and the line
// break after the last line starts no new one. The placeholder the memo opens with is not
// the user's: it is never kept as observations.
TObsListRef TformMain::observationLines() const {
    auto lines = std::make_shared<TObsList>();
    const QString text = MemObservacoes->toPlainText();
    if (text.isEmpty() || memoPlaceholder_) return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();
    for (const QString& line : parts) lines->push_back(toUtf8(line));
    return lines;
}

void TformMain::BTCalcularClick() {
    runInputs();
}

// A cell of the precipitation grid read strictly; one that does not convert names its row
// and becomes the current cell.
double TformMain::readPrecCell(int row) const {
    try {
        return readFieldText(precCell(row), strGridPrec->item(row, 0)->text(), strGridPrec);
    } catch (const ConversionError&) {
        strGridPrec->setCurrentCell(row, 1);
        throw;
    }
}

TDate TformMain::readPrecDate() const {
    try {
        return readDateFieldText(precCell(PrecRowData), strGridPrec->item(PrecRowData, 0)->text(),
                                 strGridPrec);
    } catch (const ConversionError&) {
        strGridPrec->setCurrentCell(PrecRowData, 1);
        throw;
    }
}

bool TformMain::runInputs() {
    const int mode = RGResInf->itemIndex();
    if (mode != 0 && mode != 1) return false;
    // The custom boxes' own checks, also when their box never lost the focus.
    if (!ed_porcentagem_substExit() || !ed_coef_aprovExit()) return false;
    TCaptAgua& p = simMain->base();
    try {
        p.dateDadosPrec = readPrecDate();
        p.dblDescartPrec = readPrecCell(PrecRowDescarte);
        p.dblAreaCapt = readField(ed_captacao);
        if (ed_demanda->text() != kTextoVariavel) {
            p.vecDemAguaPot = {readField(ed_demanda)};
            p.vecDemAguaPotMensal.clear();
            p.boolDemAguaPotMensal = false;
        }
        if (ed_moradores->text() != kTextoVariavel) {
            p.vecNroMor = {static_cast<double>(readIntegerField(ed_moradores))};
            p.vecNroMorMensal.clear();
            p.boolNroMorMensal = false;
        }
        p.dblPorcSubs = readField(ed_porcentagem_subst, LabelPorcentagemSubst->text()) / 100.0;
        p.dblCoefAprov = readField(ed_coef_aprov, LabelCoefAprov->text());
        p.strObs = observationLines();
        readUpperReservoir(p);
        const bool ran = mode == 1 ? runSweep() : runOneVolume(p);
        if (!ran) return false;
    } catch (const ConversionError& e) {
        showConversionError(this, e);
        return false;
    } catch (const EngineError& e) {
        showException(this, e);
        return false;
    }
    afterRun();
    return true;
}

// What follows every run, typed or loaded.
void TformMain::afterRun() {
    unsaved_ = true;
    // An economic analysis already under way follows every new run.
    if (analiseStarted()) recomputeAnalise();
    BTSalvar->setEnabled(true);
    BTLimpar->setEnabled(true);
    BTAnalise->setEnabled(true);
    MenuMetodos->setEnabled(true);
}

// The upper reservoir comes from the state the upper reservoir dialog keeps.
void TformMain::readUpperReservoir(TCaptAgua& p) {
    switch (resSupMode()) {
        case UpperReservoirMode::FromDemand:  // as large as the mean daily rainwater demand
            p.dblResSup = p.resSupFromDemand();
            p.flagResSupDem = true;
            p.dblResSupMinRec = readStrictText(resSupThresholdText());
            break;
        case UpperReservoirMode::ChosenVolume:  // texts that are not numbers count as 0
            p.dblResSup = readLenientText(resSupVolumeText());
            p.flagResSupDem = false;
            p.dblResSupMinRec = readLenientText(resSupThresholdText());
            break;
        case UpperReservoirMode::None:
            p.dblResSup = 0;
            p.flagResSupDem = false;
            p.dblResSupMinRec = 0;
            break;
    }
}

bool TformMain::runSweep() {
    const double volmax = readField(EdVolMaximo);
    const double interval = readField(EdIntervaloVols);
    const double delta = CBVolIdeal->isChecked() ? readField(EdDiferenca) : 0.0;
    if (!(interval > 0)) {
        showError(this, QStringLiteral("O intervalo entre volumes deve ser maior que 0 litros."));
        EdIntervaloVols->setFocus(Qt::OtherFocusReason);
        return false;
    }
    simMain->setSweep(volmax, interval, delta);
    simMain->simula();
    showSweepChart(*simMain);
    return true;
}

bool TformMain::runOneVolume(TCaptAgua& p) {
    const double volume = readField(ed_reservatorio_inf);
    // The sweep chart lets go of an earlier sweep's members before the set drops them.
    releaseSweep(*simMain);
    simMain->setSingle(volume);
    setAnaliseVolume(ed_reservatorio_inf->text());
    p.simula();
    showOneVolumeResults(p);
    return true;
}

void TformMain::showOneVolumeResults(TCaptAgua& p) {
    PanelResultados->show();
    showResults(p);
    fillMonthlyResults(p);
}

void TformMain::showResults(const TCaptAgua& p) {
    Label5->setText(QStringLiteral("Potencial de utilização de água pluvial: ") + savingsText(p.dblEconPot) +
                    QStringLiteral("%"));
    Label11->setText(QStringLiteral(
        "Percentual de dias no período de análise em que a demanda de água pluvial é atendida:"));
    Label12->setText(QStringLiteral("- Completamente: ") + savingsText(p.dblPorcAtendTotal) +
                     QStringLiteral("%"));
    Label14->setText(QStringLiteral("- Parcialmente: ") + savingsText(p.dblPorcAtendParc) +
                     QStringLiteral("%"));
    Label15->setText(QStringLiteral("- Não atende: ") + savingsText(p.dblPorcNaoAtend) + QStringLiteral("%"));
}

void TformMain::BTValsMensaisClick() {
    showMonthlyResults();
}

// The ideal volume of the last sweep, when it asked for one and found one.
std::optional<double> TformMain::idealVolume() const {
    const TCaptAgua* ideal = simMain->idealMember();
    if (ideal == nullptr) return std::nullopt;
    return ideal->dblResInf;
}

void TformMain::BTAnaliseClick() {
    if (RGResInf->itemIndex() == 1) {
        const QString caption = QStringLiteral("Reservatório inferior");
        if (!CBVolIdeal->isChecked()) {
            execVolumeInfAnalise();
        } else if (const auto v = idealVolume()) {
            const QString volume = generalText(*v);
            if (askYesNo(this, caption,
                         QStringLiteral("Deseja utilizar o volume ideal para o reservatório inferior (") +
                             volume + QStringLiteral(" litros) na análise econômica?"))) {
                setAnaliseVolume(volume);
                if (analiseStarted()) resimulateAnalise();
            } else {
                execVolumeInfAnalise();
            }
        } else {
            ui().message(
                this, caption,
                QStringLiteral("Como não foi possível calcular o volume ideal para o reservatório inferior, "
                               "digite o valor desejado na próxima janela"),
                MsgIcon::Information, MsgButtons::Ok);
            execVolumeInfAnalise();
        }
    }
    showAnalise();
}
