// The run of the main window ("Simular") and the opening of the economic analysis.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "windows/main/main_links.h"
#include "windows/main/unit_main.h"

namespace {

const QString kVariavel = QStringLiteral("Variável");

double readNumber(const QString& text) {
    return readStrict(toUtf8(text), appLocale());
}

QString savingsText(double percent) {
    return fromUtf8(formatNumber(percent, 4, 2, appLocale()));
}

}  // namespace

// The memo's lines as the simulation keeps them: an empty memo has no line, and the line
// break after the last line starts no new one.
TObsListRef TformMain::observationLines() const {
    auto lines = std::make_shared<TObsList>();
    const QString text = MemObservacoes->toPlainText();
    if (text.isEmpty()) return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();
    for (const QString& line : parts) lines->push_back(toUtf8(line));
    return lines;
}

void TformMain::BTCalcularClick() {
    const int mode = RGResInf->itemIndex();
    if (mode != 0 && mode != 1) return;
    TCaptAgua& p = simMain->base();
    try {
        p.dateDadosPrec = readDate(toUtf8(precCell(PrecRowData)), appLocale());
        p.dblDescartPrec = readNumber(precCell(PrecRowDescarte));
        p.dblAreaCapt = readNumber(ed_captacao->text());
        if (ed_demanda->text() != kVariavel) {
            p.vecDemAguaPot = {readNumber(ed_demanda->text())};
            p.vecDemAguaPotMensal.clear();
            p.boolDemAguaPotMensal = false;
        }
        if (ed_moradores->text() != kVariavel) {
            p.vecNroMor = {static_cast<double>(readInteger(toUtf8(ed_moradores->text())))};
            p.vecNroMorMensal.clear();
            p.boolNroMorMensal = false;
        }
        p.dblPorcSubs = readNumber(ed_porcentagem_subst->text()) / 100.0;
        p.dblCoefAprov = readNumber(ed_coef_aprov->text());
        p.strObs = observationLines();
        readUpperReservoir(p);
        const bool ran = mode == 1 ? runSweep(p) : runOneVolume(p);
        if (!ran) return;
    } catch (const ConversionError& e) {
        showException(this, e);
        return;
    } catch (const EngineError& e) {
        showException(this, e);
        return;
    }
    simRun_ = true;
    // An economic analysis already under way follows every new run.
    if (analiseStarted()) recomputeAnalise();
    BTSalvar->setEnabled(true);
    BTLimpar->setEnabled(true);
    BTAnalise->setEnabled(true);
}

// The upper reservoir comes from the upper reservoir dialog, whose controls hold it.
void TformMain::readUpperReservoir(TCaptAgua& p) {
    switch (resSupMode()) {
        case 0:  // as large as the mean daily rainwater demand
            p.dblResSup = p.resSupFromDemand();
            p.flagResSupDem = true;
            p.dblResSupMinRec = readNumber(resSupThresholdText());
            break;
        case 1:  // a chosen volume; texts that are not numbers count as 0
            p.dblResSup = readLenient(toUtf8(resSupVolumeText()), appLocale());
            p.flagResSupDem = false;
            p.dblResSupMinRec = readLenient(toUtf8(resSupThresholdText()), appLocale());
            break;
        default:  // none
            p.dblResSup = 0;
            p.flagResSupDem = false;
            p.dblResSupMinRec = 0;
            break;
    }
}

bool TformMain::runSweep(TCaptAgua& p) {
    p.dblResInf = 0;  // the first member of a sweep is the system without a lower reservoir
    const double volmax = readNumber(EdVolMaximo->text());
    const double interval = readNumber(EdIntervaloVols->text());
    const double delta = CBVolIdeal->isChecked() ? readNumber(EdDiferenca->text()) : 0.0;
    if (!(interval > 0)) {
        showError(this, QStringLiteral("O intervalo entre volumes deve ser maior que 0 litros."));
        EdIntervaloVols->setFocus(Qt::OtherFocusReason);
        return false;
    }
    simMain->volmax = volmax;
    simMain->interval = interval;
    simMain->delta = delta;
    simMain->simula();
    showSweepChart(*simMain);
    return true;
}

bool TformMain::runOneVolume(TCaptAgua& p) {
    p.dblResInf = readNumber(ed_reservatorio_inf->text());
    // Members of an earlier sweep would make this set a sweep again when it is saved.
    releaseSweep(*simMain);
    simMain->vecCaptAgua.resize(1);
    simMain->volmax = 0;
    simMain->interval = 0;
    simMain->delta = 0;
    setAnaliseVolume(ed_reservatorio_inf->text());
    p.simula();
    PanelResultados->show();
    showResults(p);
    fillMonthlyResults(p);
    return true;
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
    const auto& members = simMain->vecCaptAgua;
    const std::int32_t ind = simMain->indVolOtimo;
    if (members.size() < 2 || ind < 0 || static_cast<std::size_t>(ind) >= members.size()) return std::nullopt;
    return members[static_cast<std::size_t>(ind)]->dblResInf;
}

void TformMain::BTAnaliseClick() {
    if (RGResInf->itemIndex() == 1) {
        const QString caption = QStringLiteral("Reservatório inferior");
        if (!CBVolIdeal->isChecked()) {
            execVolumeInfAnalise();
        } else if (const auto v = idealVolume()) {
            const QString volume = fromUtf8(formatGeneral(*v, appLocale()));
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
